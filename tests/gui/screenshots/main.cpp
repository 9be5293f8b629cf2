// tesmolen-screenshots DIR: one picture of the main window per tab, the window built as the
// program builds it, on Qt's offscreen platform unless another one is asked for.

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
    const char* names[] = {"1-instructions", "2-settings", "3-editor", "4-donation"};
    for (int page = 0; page < ui.tabBar()->count() && page < 4; ++page) {
        ui.selectPage(page);
        QApplication::processEvents();
        const QString file = folder.filePath(QString::fromLatin1(names[page]) + ".png");
        if (!ui.mainWindow()->grab().save(file)) {
            err << "cannot write " << file << "\n";
            return 1;
        }
        QTextStream(stdout) << file << "\n";
    }
    return 0;
}
