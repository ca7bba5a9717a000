#include "major_emblems.h"

#include "emblem_set.h"

#include <QLinearGradient>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

namespace cardart {

namespace {

using EmblemFn = void (*)(const Ink &);

struct Emblem {
    const char16_t *name;
    EmblemFn draw;
    bool night; // drawn against a dark sky
};

// By common (Rider Waite) name: every deck has these 22.
constexpr Emblem kByCommonName[] = {
    {u"De Magiër", emblems::Magician, false},
    {u"Hogepriesteres", emblems::HighPriestess, false},
    {u"De Keizerin", emblems::Empress, false},
    {u"De Heerser", emblems::Emperor, false},
    {u"De Hogepriester", emblems::Hierophant, false},
    {u"De Geliefden", emblems::Lovers, false},
    {u"De Zegewagen", emblems::Chariot, false},
    {u"De Kracht", emblems::Strength, false},
    {u"De Kluizenaar", emblems::Hermit, true},
    {u"Rad v Fortuin", emblems::Wheel, false},
    {u"Gerechtigheid", emblems::Justice, false},
    {u"De Gehangene", emblems::HangedMan, false},
    {u"De Dood", emblems::Death, false},
    {u"Gematigdheid", emblems::Temperance, false},
    {u"De Duivel", emblems::Devil, true},
    {u"De Toren", emblems::Tower, true},
    {u"De Ster", emblems::Star, true},
    {u"De Maan", emblems::Moon, true},
    {u"De Zon", emblems::Sun, false},
    {u"Het Oordeel", emblems::Judgement, false},
    {u"De Wereld", emblems::World, false},
    {u"De Dwaas", emblems::Fool, false},
};

// Etteilla titles that name a subject of their own.
constexpr Emblem kEtteillaTitles[] = {
    {u"Chaos", emblems::Chaos, true},
    {u"Het Licht", emblems::Light, false},
    {u"De Planten", emblems::Plants, false},
    {u"De Hemel", emblems::Heavens, true},
    {u"Mens+Dieren", emblems::ManAndBeasts, false},
    {u"De Sterren", emblems::Stars, true},
    {u"Vogels+Vissen", emblems::BirdsAndFishes, false},
    {u"Rust", emblems::Rest, true},
    {u"Voorzichtigheid", emblems::Prudence, false},
    {u"Hogepriester", emblems::Hierophant, false},
    {u"Valse Waarzegger", emblems::FalseSeer, false},
    {u"Verwoeste Tempel", emblems::RuinedTemple, true},
    {u"De Dwingeland", emblems::Tyrant, false},
};

const Emblem &FindEmblem(const CardFace &face)
{
    if (face.deck == morvelin::kEtteilla) {
        for (const Emblem &e : kEtteillaTitles) {
            if (face.title == QStringView(e.name))
                return e;
        }
    }
    for (const Emblem &e : kByCommonName) {
        if (face.commonName == QStringView(e.name))
            return e;
    }
    std::fprintf(stderr, "cardart: no emblem for '%s'\n", qPrintable(face.commonName));
    std::exit(1);
}

} // namespace

void DrawMajorEmblem(QPainter &p, const QRectF &pic, const CardFace &face, const Palette &c)
{
    const Emblem &emblem = FindEmblem(face);
    Palette palette = c;
    if (emblem.night) {
        // Night cards keep the deck's lines but lie under a dark sky.
        QLinearGradient sky(pic.topLeft(), pic.bottomLeft());
        sky.setColorAt(0, c.dark);
        sky.setColorAt(1, c.dark.lighter(180));
        p.fillRect(pic, sky);
        if (c.line.lightness() < 128)
            palette.line = c.dark.darker(200);
    }
    const qreal scale = qMin(pic.width() / kBoardWidth, pic.height() / kBoardHeight);
    p.save();
    p.setClipRect(pic);
    p.translate(pic.center().x() - kBoardWidth * scale / 2,
                pic.center().y() - kBoardHeight * scale / 2);
    p.scale(scale, scale);
    emblem.draw(Ink(p, palette));
    p.restore();
}

} // namespace cardart
