// Draws every card picture and the Pentagram background into resources/, and the
// program's icon into packaging/icons/.
// Run by hand when the art changes; see README.md.
#include "app_icon.h"
#include "astro_glyphs.h"
#include "card_face.h"
#include "card_renderer.h"
#include "contact_sheet.h"
#include "gif_writer.h"
#include "jpeg_writer.h"
#include "pentagram.h"

#include "catalogue/card_catalogue.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <vector>

namespace {

constexpr int kJpegQuality = 97;

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cardart: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    // Fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws Morvelin's card pictures."));
    parser.addHelpOption();
    const QCommandLineOption resources(
        QStringLiteral("resources"),
        QStringLiteral("Folder to write cards/NNN.jpg and pentagram.gif to."),
        QStringLiteral("dir"), QStringLiteral(MORVELIN_RESOURCES_DIR));
    const QCommandLineOption sheet(QStringLiteral("sheet"),
                                   QStringLiteral("Also write a contact sheet PNG of all cards."),
                                   QStringLiteral("file"));
    const QCommandLineOption scale(QStringLiteral("sheet-scale"),
                                   QStringLiteral("Enlarge the contact sheet (1..4)."),
                                   QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption icons(
        QStringLiteral("icons"),
        QStringLiteral("Folder to write the icon theme's hicolor/NxN/apps/morvelin.png to."),
        QStringLiteral("dir"), QStringLiteral(MORVELIN_ICONS_DIR));
    parser.addOptions({resources, sheet, scale, icons});
    parser.process(app);

    if (!cardart::GlyphFontIsComplete()) {
        std::fprintf(stderr, "cardart: DejaVu Sans with the astrological glyphs is needed "
                             "(Debian package fonts-dejavu-core)\n");
        return 1;
    }

    const QDir out(parser.value(resources));
    if (!out.mkpath(QStringLiteral("cards"))) {
        std::fprintf(stderr, "cardart: cannot create %s/cards\n", qPrintable(out.path()));
        return 1;
    }

    std::vector<QImage> pictures;
    for (morvelin::DeckId deck = 0; deck < morvelin::kDeckCount; ++deck) {
        for (morvelin::CardNo card = 1; card <= morvelin::kCardsPerDeck; ++card) {
            const QImage picture = cardart::RenderCard(cardart::MakeCardFace(deck, card));
            const auto jpeg = cardart::EncodeBaselineJpeg(picture, kJpegQuality);
            const QString name = QStringLiteral("cards/%1.jpg")
                                     .arg(morvelin::PictureId(deck, card), 3, 10, QLatin1Char('0'));
            if (!jpeg || !WriteFile(out.filePath(name), *jpeg))
                return 1;
            pictures.push_back(picture);
        }
    }

    const QByteArray gif = cardart::EncodeGif(cardart::RenderPentagram(), 0);
    if (!WriteFile(out.filePath(QStringLiteral("pentagram.gif")), gif))
        return 1;

    const QDir iconTheme(parser.value(icons));
    for (const int size : cardart::kAppIconSizes) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = iconTheme.filePath(folder + QStringLiteral("/morvelin.png"));
        if (!iconTheme.mkpath(folder) || !cardart::RenderAppIcon(size).save(path, "PNG")) {
            std::fprintf(stderr, "cardart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    if (parser.isSet(sheet)) {
        const int factor = qBound(1, parser.value(scale).toInt(), 4);
        const QString path = parser.value(sheet);
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!cardart::ContactSheet(pictures, factor).save(path, "PNG")) {
            std::fprintf(stderr, "cardart: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    std::printf("cardart: wrote %zu card pictures and pentagram.gif to %s, the icon to %s\n",
                pictures.size(), qPrintable(out.path()), qPrintable(iconTheme.path()));
    return 0;
}
