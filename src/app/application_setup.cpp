#include "app/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace morvelin {

namespace {

// The windows name Windows faces; these free faces have the nearest shapes and widths.
void InstallFontSubstitutions()
{
    const struct {
        const char *face;
        const char *standIn;
    } substitutions[] = {
        {"Tahoma", "Liberation Sans"},        {"Arial", "Liberation Sans"},
        {"MS Sans Serif", "Liberation Sans"}, {"Segoe UI", "Liberation Sans"},
        {"Segoe Script", "DejaVu Serif"},     {"Times New Roman", "Liberation Serif"},
    };
    for (const auto &substitution : substitutions)
        QFont::insertSubstitution(QLatin1String(substitution.face),
                                  QLatin1String(substitution.standIn));
}

// Qt's own buttons read "OK" and "Annuleren", whatever language the system speaks.
void InstallDutchTranslations(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Dutch, QLocale::Netherlands), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
}

} // namespace

void SetUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Morvelin"));
    // The desktop finds the menu entry of the program's windows, and with it their icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.morvelin.Morvelin"));
    InstallFontSubstitutions();
    InstallDutchTranslations(app);
}

} // namespace morvelin
