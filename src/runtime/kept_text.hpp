#pragma once
// The exact bytes a unit was given, kept beside what its control showed for them: while the
// control still shows that, the unit hands back the bytes (which may not even be GBK); once the
// user has changed it, the unit's text is what the control shows.

#include <optional>

#include "runtime/text.hpp"

namespace tesmolen {

// Shown is the toolkit's string.
template <typename Shown>
class KeptText {
public:
    // For a unit without a control.
    void keep(const Text& bytes) {
        bytes_ = bytes;
        shown_.reset();
    }

    // `display` is what the control was asked to show for the bytes, `shown` what it shows now:
    // a control that shows the text otherwise (the IP box normalises its address) has its own
    // idea of its text.
    void keep(const Text& bytes, const Shown& display, const Shown& shown) {
        bytes_ = bytes;
        shown_.reset();
        if (shown == display) shown_ = display;
    }

    const Text& bytes() const { return bytes_; }

    // The unit's text, given what the control shows now and how that turns into GBK.
    template <typename ToGbk>
    Text text(const Shown& now, ToGbk toGbk) const {
        if (shown_ && now == *shown_) return bytes_;
        return toGbk(now);
    }

private:
    Text bytes_;
    std::optional<Shown> shown_;
};

}  // namespace tesmolen
