#include "card_renderer.h"

#include "catalogue/card_picture.h"
#include "deck_style.h"
#include "major_emblems.h"
#include "minor_cards.h"

#include <QPainter>

namespace cardart {

namespace {

// A fixed hash of a pixel's place, so the grain is the same at every run.
quint32 Hash(quint32 x)
{
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

// A faint grain, as of printed card stock; the parchment of Etteilla shows it most.
void AddGrain(QImage &picture, const CardFace &face)
{
    const int strength = face.deck == morvelin::kEtteilla ? 7 : 4;
    const quint32 seed = quint32(morvelin::PictureId(face.deck, face.card)) * 0x9E3779B9u;
    for (int y = 0; y < picture.height(); ++y) {
        uchar *row = picture.scanLine(y);
        for (int x = 0; x < picture.width(); ++x) {
            const quint32 h = Hash(seed ^ quint32(y * 4099 + x));
            const int delta = int(h % quint32(2 * strength + 1)) - strength;
            for (int c = 0; c < 3; ++c) {
                uchar &v = row[x * 3 + c];
                v = uchar(qBound(0, v + delta, 255));
            }
        }
    }
}

} // namespace

QImage RenderCard(const CardFace &face)
{
    const QSize size = morvelin::DeckPictureSize(face.deck);
    QImage big(size * kOversample, QImage::Format_RGB32);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(kOversample, kOversample);
        DrawCardBackground(p, face);
        const DeckStyle &style = StyleOf(face.deck);
        p.save();
        p.setClipRect(style.picture);
        if (face.isMajor())
            DrawMajorEmblem(p, style.picture, face, style.palette);
        else if (face.isCourt())
            DrawCourt(p, style.picture, face.suit, face.rank, style.palette);
        else
            DrawPips(p, style.picture, face.suit, face.rank, style.palette);
        p.restore();
        DrawCardFrame(p, face);
    }
    QImage picture = big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB888);
    AddGrain(picture, face);
    return picture;
}

} // namespace cardart
