// tesmolen-screenshots DIR: one picture of the main window per tab, and one of the settings tab
// with rules in its list. The window is built as the program builds it, on Qt's offscreen
// platform unless another one is asked for.

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QTabBar>
#include <QTextStream>
#include <QWidget>

#include "rules/read_rules.hpp"
#include "runtime/qt/qt_ui.hpp"
#include "ui/unit_names.hpp"

namespace {

// The banner's pictures come from the maker's server at start-up; a drawn one stands in here,
// so that the pictures show where the banner lies.
tesmolen::Bytes bannerPicture() {
    QImage image(420, 60, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 420, 0);
    gradient.setColorAt(0, QColor(40, 90, 170));
    gradient.setColorAt(1, QColor(90, 170, 220));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(22);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("banner"));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: tesmolen-screenshots DIR\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        err << "cannot make the folder " << folder.path() << "\n";
        return 1;
    }

    tesmolen::QtUi ui;
    ui.createMainWindow([](tesmolen::UnitName, tesmolen::UiEvent) {});
    ui.graphicButton(tesmolen::unit::banner).setPicture(1, bannerPicture());
    ui.showMainWindow();
    auto save = [&ui, &folder, &err](const QString& name) {
        QApplication::processEvents();
        const QString file = folder.filePath(name + QStringLiteral(".png"));
        if (!ui.mainWindow()->grab().save(file)) {
            err << "cannot write " << file << "\n";
            return false;
        }
        QTextStream(stdout) << file << "\n";
        return true;
    };
    const char* names[] = {"1-instructions", "2-settings", "3-editor", "4-donation"};
    for (int page = 0; page < ui.tabBar()->count() && page < 4; ++page) {
        ui.selectPage(page);
        if (!save(QString::fromLatin1(names[page]))) return 1;
    }

    // The settings tab once more, with rules read into the list.
    tesmolen::ReportList& list = ui.list(tesmolen::unit::ruleList);
    list.setVisible(true);
    tesmolen::parseRulesInto(
        "#SiteA\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC\r\n0.0.0.0 ads.example.com\r\n"
        "0.0.0.0 track.example.com\r\n#\xB4\xFA\xC2\xEB\xBD\xE1\xCA\xF8\r\n"
        "#SiteB\xB4\xFA\xC2\xEB\xBF\xAA\xCA\xBC\r\n0.0.0.0 banner.example.net\r\n#",
        list);
    ui.selectPage(1);
    if (!save(QStringLiteral("2-settings-rules"))) return 1;
    return 0;
}
