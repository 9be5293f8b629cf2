#include "runtime/qt/qt_elevated_writer.hpp"

#include <QEventLoop>
#include <QMetaObject>

#include <thread>

namespace tesmolen {

bool QtElevatedWriter::write(const Text& path, std::string_view bytes) {
    bool written = false;
    QEventLoop waiting;
    std::thread worker([&] {
        written = CommandWriter::write(path, bytes);
        // Queued: the loop below takes it once it runs, however soon the command ends.
        QMetaObject::invokeMethod(&waiting, &QEventLoop::quit, Qt::QueuedConnection);
    });
    waiting.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return written;
}

}  // namespace tesmolen
