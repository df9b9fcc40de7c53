#include "language/qt_texts.h"

#include "platform/qt_translations.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace language {
namespace {

std::optional<QLocale> localeOfLanguage(const QString& languageName)
{
    const QString name = languageName.trimmed();
    if (name.isEmpty())
        return std::nullopt;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        if (locale.nativeLanguageName().compare(name, Qt::CaseInsensitive) == 0 ||
            QLocale::languageToString(locale.language()).compare(name, Qt::CaseInsensitive) == 0)
            return locale;
    }
    return std::nullopt;
}

} // namespace

void useQtTexts(const QString& languageName)
{
    static std::unique_ptr<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    const auto locale = localeOfLanguage(languageName);
    if (!locale)
        return;
    auto translator = std::make_unique<QTranslator>();
    for (const QString& folder : platform::qtTranslationFolders()) {
        if (translator->load(*locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator.get());
            installed = std::move(translator);
            return;
        }
    }
}

} // namespace language
