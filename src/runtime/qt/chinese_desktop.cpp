#include "runtime/qt/chinese_desktop.hpp"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <array>

namespace tesmolen {

namespace {

// Windows font names the layout uses, and the families that draw the same script here, best
// first: a CJK sans face keeps Latin letters and Chinese alike free of serifs.
struct StandIn {
    std::array<const char16_t*, 4> layoutNames;
    std::array<const char16_t*, 4> families;
};

constexpr std::array<StandIn, 1> standIns{{
    {{u"SimSun", u"\u5B8B\u4F53", u"NSimSun", u"\u65B0\u5B8B\u4F53"},  // 宋体, 新宋体
     {u"Noto Sans CJK SC", u"WenQuanYi Micro Hei", u"WenQuanYi Zen Hei", u"Droid Sans Fallback"}},
}};

void loadQtChineseTexts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_zh_CN"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
}

void substituteLayoutFonts() {
    for (const StandIn& standIn : standIns) {
        const QStringList families = standInFamilies(QString::fromUtf16(standIn.layoutNames[0]));
        if (families.isEmpty()) continue;
        for (const char16_t* name : standIn.layoutNames) {
            QFont::insertSubstitutions(QString::fromUtf16(name), families);
        }
    }
}

}  // namespace

QStringList standInFamilies(const QString& layoutFamily) {
    for (const StandIn& standIn : standIns) {
        bool named = false;
        for (const char16_t* name : standIn.layoutNames) {
            named = named ||
                    layoutFamily.compare(QString::fromUtf16(name), Qt::CaseInsensitive) == 0;
        }
        if (!named) continue;
        QStringList installed;
        for (const char16_t* family : standIn.families) {
            if (QFontDatabase::hasFamily(QString::fromUtf16(family))) {
                installed << QString::fromUtf16(family);
            }
        }
        return installed;
    }
    return {};
}

void useChineseDesktop() {
    static QPointer<QCoreApplication> doneFor;
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || doneFor == application) return;
    doneFor = application;
    loadQtChineseTexts(*application);
    substituteLayoutFonts();
}

}  // namespace tesmolen
