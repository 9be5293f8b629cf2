#pragma once

namespace tesmolen {

class QtUi;
struct WindowLayout;

// Chains the units' widgets for Tab in the layout's keyboard order.
void chainTabOrder(QtUi& ui, const WindowLayout& layout);

}  // namespace tesmolen
