#include "runtime/qt/qt_ui.hpp"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTabBar>

#include <stdexcept>

#include "runtime/qt/chinese_desktop.hpp"
#include "runtime/qt/message_box.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/window_builder.hpp"
#include "ui/layout.hpp"

// Resource initialisers live outside any namespace.
#ifdef TESMOLEN_HAS_RESOURCES
static void initialiseResources() { Q_INIT_RESOURCE(tesmolen); }
#else
static void initialiseResources() {}
#endif

namespace tesmolen {

QtUi::QtUi() {
    initialiseResources();
    useChineseDesktop();
}

QtUi::~QtUi() {
    // The units only point at widgets; the window owns them.
    units_.clear();
    windowUnit_.reset();
    window_.reset();
}

Unit& QtUi::window() {
    if (!windowUnit_) throw std::logic_error("the main window has not been created");
    return *windowUnit_;
}

Unit& QtUi::unit(UnitName name) { return findUnit<QtUnit>(units_, name); }
ReportList& QtUi::list(UnitName name) { return findUnit<QtReportList>(units_, name); }
GraphicButton& QtUi::graphicButton(UnitName name) { return findUnit<QtGraphicButton>(units_, name); }
Timer& QtUi::timer(UnitName name) { return findUnit<QtTimer>(units_, name); }
FileDialog& QtUi::fileDialog(UnitName name) { return findUnit<QtFileDialog>(units_, name); }

Answer QtUi::messageBox(const Text& text, MessageButtons buttons, const Text& title) {
    const BoxStyle style{.buttons = buttons};
    return showMessageBox({window_.get(), toQString(text), toQString(title), style},
                          script_.answerTo(text, title, style));
}

void QtUi::popUpMenu(UnitName menu, ScreenPoint at) {
    auto found = menus_.find(menu);
    if (found == menus_.end()) noSuchUnit(menu);
    found->second->popup(QPoint(at.x, at.y));
}

ScreenPoint QtUi::mousePosition() const {
    const QPoint at = keyboardPoint_.value_or(QCursor::pos());
    return {at.x(), at.y()};
}

void QtUi::switchVisualStyle() { QApplication::setStyle(QStringLiteral("Fusion")); }

void QtUi::endProcess(int exitCode) {
    endedWith_ = exitCode;
    if (looping_) QCoreApplication::exit(exitCode);
}

void QtUi::createMainWindow(RaiseEvent raise) {
    raise_ = std::move(raise);
    WindowBuilder(*this, windowLayout()).build();
}

void QtUi::showMainWindow() { window_->show(); }

int QtUi::runMessageLoop() {
    looping_ = true;
    const int exitCode = QApplication::exec();
    looping_ = false;
    return endedWith_.value_or(exitCode);
}

QWidget* QtUi::mainWindow() const { return window_.get(); }

QWidget* QtUi::widget(UnitName name) {
    auto found = units_.find(name);
    return found == units_.end() ? nullptr : found->second->widget();
}

QMenu* QtUi::menu(UnitName name) const {
    auto found = menus_.find(name);
    return found == menus_.end() ? nullptr : found->second;
}

void QtUi::selectPage(int page) {
    if (tabBar_ == nullptr) return;
    tabBar_->setCurrentIndex(page);
    // Selecting the page that is already current signals nothing; show it all the same.
    showCurrentPage(*tabBar_);
}

void QtUi::raise(UnitName unit, UiEvent event) {
    if (raise_) raise_(unit, event);
    // A handler's rows are in the lists' views when it returns.
    for (auto& [name, qtUnit] : units_) {
        if (auto* list = dynamic_cast<QtReportList*>(qtUnit.get())) list->publishRows();
    }
}

void QtUi::raiseFromKeyboard(UnitName unit, UiEvent event, QPoint at) {
    keyboardPoint_ = at;
    raise(unit, event);
    keyboardPoint_.reset();
}

}  // namespace tesmolen
