#include "runtime/qt/qt_ui.hpp"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTabBar>

#include <stdexcept>

#include "runtime/qt/chinese_desktop.hpp"
#include "runtime/qt/message_box.hpp"
#include "runtime/qt/qt_text.hpp"
#include "runtime/qt/tab_chain.hpp"
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
    built_.units.clear();
    built_.windowUnit.reset();
    built_.window.reset();
}

Unit& QtUi::window() {
    if (!built_.windowUnit) throw std::logic_error("the main window has not been created");
    return *built_.windowUnit;
}

Unit& QtUi::unit(UnitName name) { return findUnit<QtUnit>(built_.units, name); }
ReportList& QtUi::list(UnitName name) { return findUnit<QtReportList>(built_.units, name); }
GraphicButton& QtUi::graphicButton(UnitName name) { return findUnit<QtGraphicButton>(built_.units, name); }
Timer& QtUi::timer(UnitName name) { return findUnit<QtTimer>(built_.units, name); }
FileDialog& QtUi::fileDialog(UnitName name) { return findUnit<QtFileDialog>(built_.units, name); }

Answer QtUi::messageBox(const Text& text, MessageButtons buttons, const Text& title) {
    const BoxStyle style{.buttons = buttons};
    return showMessageBox({built_.window.get(), toQString(text), toQString(title), style},
                          script_.answerTo(text, title, style));
}

void QtUi::popUpMenu(UnitName menu, ScreenPoint at) {
    auto found = built_.menus.find(menu);
    if (found == built_.menus.end()) noSuchUnit(menu);
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
    built_ = WindowBuilder(windowLayout(), {.events = *this, .looping = looping_, .script = script_})
                 .build();
    chainTabOrder(*this, windowLayout());
    selectPage(windowLayout().initialPage);
}

void QtUi::showMainWindow() { built_.window->show(); }

int QtUi::runMessageLoop() {
    looping_ = true;
    const int exitCode = QApplication::exec();
    looping_ = false;
    return endedWith_.value_or(exitCode);
}

QWidget* QtUi::mainWindow() const { return built_.window.get(); }

QWidget* QtUi::widget(UnitName name) {
    auto found = built_.units.find(name);
    return found == built_.units.end() ? nullptr : found->second->widget();
}

QMenu* QtUi::menu(UnitName name) const {
    auto found = built_.menus.find(name);
    return found == built_.menus.end() ? nullptr : found->second;
}

void QtUi::selectPage(int page) {
    if (built_.tabBar == nullptr) return;
    built_.tabBar->setCurrentIndex(page);
    // Selecting the page that is already current signals nothing; show it all the same.
    showCurrentPage(*built_.tabBar);
}

void QtUi::raise(UnitName unit, UiEvent event) {
    if (raise_) raise_(unit, event);
    // A handler's rows are in the lists' views when it returns.
    for (auto& [name, qtUnit] : built_.units) {
        if (auto* list = dynamic_cast<QtReportList*>(qtUnit.get())) list->publishRows();
    }
}

void QtUi::raiseFromKeyboard(UnitName unit, UiEvent event, QPoint at) {
    keyboardPoint_ = at;
    raise(unit, event);
    keyboardPoint_.reset();
}

}  // namespace tesmolen
