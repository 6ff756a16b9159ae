#include "app/ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "services/LanguageState.h"

namespace mox {

namespace {

// The application object holds the one translator of Qt's texts under this name.
constexpr const char* kTranslatorName = "QtTranslations";

}  // namespace

void FollowLanguageInQt(int language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    auto* translator = app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly);
    const bool chinese = language == kChinese;
    if ((translator != nullptr) == chinese)
        return;
    if (translator != nullptr) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
        return;
    }
    translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    // Without Qt's translations installed Qt's texts stay English, as before.
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace mox
