// Qt's own texts and the layout's fonts, as a Chinese desktop shows them.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "gui_window.hpp"
#include "runtime/codepage.hpp"
#include "runtime/qt/chinese_desktop.hpp"
#include "runtime/qt/file_dialog.hpp"
#include "ui/layout.hpp"

namespace tesmolen {
namespace {

using ChineseDesktop = testing::GuiWindow;

// Shows a message box of the program and gives the captions of its buttons, read while it is
// shown (the dialog script answers it after that).
QStringList buttonsOf(QtUi& ui, MessageButtons buttons) {
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        for (QAbstractButton* button : box->buttons()) captions << button->text();
    });
    ui.messageBox(gbk(u8"删除该条记录,保存设置后生效!"), buttons, "Tesmolen");
    return captions;
}

TEST_F(ChineseDesktop, MessageBoxesSayYesNoAndOkInChinese) {
    EXPECT_EQ(buttonsOf(ui, MessageButtons::yesNo),
              (QStringList{QStringLiteral(u"是(&Y)"), QStringLiteral(u"否(&N)")}));
    EXPECT_EQ(buttonsOf(ui, MessageButtons::ok), QStringList{QStringLiteral(u"确定")});
}

TEST_F(ChineseDesktop, FileDialogsSpeakChinese) {
    QFileDialog dialog(ui.mainWindow());
    FileDialogSettings settings;
    settings.kind = FileDialogKind::save;
    settings.filter = gbk(u8"屏蔽规则(*.ad)|*.ad");
    configureFileDialog(dialog, settings);
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral(u"取消"));
    EXPECT_EQ(dialog.labelText(QFileDialog::LookIn), QStringLiteral(u"查找范围："));
    EXPECT_EQ(dialog.labelText(QFileDialog::FileName), QStringLiteral(u"文件名称(&N)："));
}

TEST_F(ChineseDesktop, TheLayoutsFontsDrawWithAChineseSansFace) {
    const QStringList standIns = standInFamilies(QStringLiteral("SimSun"));
    ASSERT_FALSE(standIns.isEmpty()) << "setup installs fonts-wqy-microhei";
    EXPECT_EQ(standInFamilies(QStringLiteral(u"宋体")), standIns);
    EXPECT_TRUE(standInFamilies(QStringLiteral("Arial")).isEmpty());
    for (const UnitSpec& spec : windowLayout().units) {
        QWidget* widget = ui.widget(spec.name);
        if (widget == nullptr) continue;
        const QString family = QFontInfo(widget->font()).family();
        SCOPED_TRACE(family.toStdString());
        EXPECT_FALSE(family.contains(QStringLiteral("Serif"))) << "no serif Latin letters";
        if (spec.font && spec.font->face == u8"SimSun") {
            EXPECT_TRUE(standIns.contains(family));
        }
    }
}

}  // namespace
}  // namespace tesmolen
