#include "catalogue/card_picture.h"

#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

using namespace morvelin;

namespace {

QByteArray ResourceBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The largest difference of a red, green or blue value between two pictures of one size.
int LargestChannelDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

} // namespace

class TestCardPicture : public QObject {
    Q_OBJECT

private slots:
    void everyPictureDecodesAtItsDeckSize_data();
    void everyPictureDecodesAtItsDeckSize();
    void decodesLikeQtsOwnReader_data();
    void decodesLikeQtsOwnReader();
    void cardMapsToItsPictureId_data();
    void cardMapsToItsPictureId();
    void outOfRangeGivesNoPicture_data();
    void outOfRangeGivesNoPicture();
    void damagedStreamGivesNoPicture_data();
    void damagedStreamGivesNoPicture();
    void goodPictureAfterADamagedStream_data();
    void goodPictureAfterADamagedStream();
    void picturesOfADeckDiffer_data();
    void picturesOfADeckDiffer();
    void aShownPictureIsNotDecodedAgain();
    void theLeastLatelyShownPictureMakesRoom();
    void pentagramLoadsWithTransparentGround();
};

void TestCardPicture::everyPictureDecodesAtItsDeckSize_data()
{
    QTest::addColumn<DeckId>("deck");
    QTest::addColumn<QSize>("size");
    QTest::newRow("Rider Waite") << kRiderWaite << QSize(83, 147);
    QTest::newRow("Etteilla") << kEtteilla << QSize(74, 147);
    QTest::newRow("Thierens") << kThierens << QSize(95, 147);
}

void TestCardPicture::everyPictureDecodesAtItsDeckSize()
{
    QFETCH(DeckId, deck);
    QFETCH(QSize, size);
    for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
        const int id = PictureId(deck, card);
        const QByteArray jpeg = ResourceBytes(CardPictureResource(id));
        QVERIFY2(!jpeg.isEmpty(), qPrintable(CardPictureResource(id)));
        // Baseline: a start-of-frame 0 marker and no progressive one.
        QVERIFY2(jpeg.contains("\xFF\xC0") && !jpeg.contains("\xFF\xC2"),
                 qPrintable(QString::number(id)));
        QVERIFY2(jpeg.size() >= 9 * 1024 && jpeg.size() <= 42 * 1024,
                 qPrintable(QStringLiteral("%1: %2 bytes").arg(id).arg(jpeg.size())));
        const auto picture = LoadPictureById(id);
        QVERIFY2(picture.has_value(), qPrintable(QString::number(id)));
        QCOMPARE(picture->size(), size);
        QCOMPARE(DeckPictureSize(deck), size);
    }
}

// Qt's own JPEG reader, a decoder of its own, sees the same colours in every picture:
// a mix-up of the channels or of the pixel layout shows at once.
void TestCardPicture::decodesLikeQtsOwnReader_data()
{
    everyPictureDecodesAtItsDeckSize_data();
}

void TestCardPicture::decodesLikeQtsOwnReader()
{
    QFETCH(DeckId, deck);
    for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
        const int id = PictureId(deck, card);
        const QByteArray jpeg = ResourceBytes(CardPictureResource(id));
        const QImage reference =
            QImage::fromData(jpeg, "JPG").convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!reference.isNull(), qPrintable(QString::number(id)));
        const auto decoded = DecodeJpeg(jpeg);
        QVERIFY2(decoded.has_value(), qPrintable(QString::number(id)));
        QVERIFY2(LargestChannelDifference(*decoded, reference) <= 2,
                 qPrintable(QStringLiteral("picture %1: %2")
                                .arg(id)
                                .arg(LargestChannelDifference(*decoded, reference))));
    }
}

void TestCardPicture::cardMapsToItsPictureId_data()
{
    QTest::addColumn<DeckId>("deck");
    QTest::addColumn<CardNo>("card");
    QTest::addColumn<int>("id");
    QTest::newRow("first Rider Waite") << kRiderWaite << 1 << 1;
    QTest::newRow("last Rider Waite") << kRiderWaite << 78 << 78;
    QTest::newRow("first Etteilla") << kEtteilla << 1 << 79;
    QTest::newRow("last Thierens") << kThierens << 78 << 234;
}

void TestCardPicture::cardMapsToItsPictureId()
{
    QFETCH(DeckId, deck);
    QFETCH(CardNo, card);
    QFETCH(int, id);
    QCOMPARE(PictureId(deck, card), id);
    const auto byCard = LoadCardPicture(deck, card);
    const auto byId = LoadPictureById(id);
    QVERIFY(byCard && byId);
    QCOMPARE(*byCard, *byId);
}

void TestCardPicture::outOfRangeGivesNoPicture_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("0") << 0;
    QTest::newRow("235") << 235;
    QTest::newRow("-1") << -1;
}

void TestCardPicture::outOfRangeGivesNoPicture()
{
    QFETCH(int, id);
    QVERIFY(!LoadPictureById(id).has_value());
    QVERIFY(!LoadCardPicture(kRiderWaite, 0).has_value());
    QVERIFY(!LoadCardPicture(kThierens, 79).has_value());
    QVERIFY(!LoadCardPicture(3, 1).has_value());
}

void TestCardPicture::damagedStreamGivesNoPicture_data()
{
    const QByteArray whole = ResourceBytes(CardPictureResource(1));
    QVERIFY(whole.size() > 1000);
    QByteArray random(whole.size(), '\0');
    QRandomGenerator generator(1234);
    for (char &byte : random)
        byte = char(generator.bounded(256));
    QByteArray noEnd = whole;
    noEnd.chop(2);

    QTest::addColumn<QByteArray>("stream");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("start marker only") << whole.left(2);
    QTest::newRow("headers only") << whole.left(600);
    QTest::newRow("cut in half") << whole.left(whole.size() / 2);
    QTest::newRow("random bytes") << random;
    QTest::newRow("random bytes after a start marker") << QByteArray("\xFF\xD8") + random;
}

void TestCardPicture::damagedStreamGivesNoPicture()
{
    QFETCH(QByteArray, stream);
    QVERIFY(!DecodeJpeg(stream).has_value());
}

// The decoder is shared between pictures: one that fails must not spoil the next.
void TestCardPicture::goodPictureAfterADamagedStream_data()
{
    damagedStreamGivesNoPicture_data();
}

void TestCardPicture::goodPictureAfterADamagedStream()
{
    QFETCH(QByteArray, stream);
    const QByteArray good = ResourceBytes(CardPictureResource(157));
    const QImage reference = QImage::fromData(good, "JPG").convertToFormat(QImage::Format_RGB32);
    QVERIFY(!DecodeJpeg(stream).has_value());
    const auto picture = DecodeJpeg(good);
    QVERIFY(picture.has_value());
    QVERIFY(LargestChannelDifference(*picture, reference) <= 2);
}

void TestCardPicture::picturesOfADeckDiffer_data()
{
    everyPictureDecodesAtItsDeckSize_data();
}

void TestCardPicture::picturesOfADeckDiffer()
{
    QFETCH(DeckId, deck);
    QSet<QByteArray> seen;
    for (CardNo card = 1; card <= kCardsPerDeck; ++card) {
        const auto picture = LoadCardPicture(deck, card);
        QVERIFY(picture.has_value());
        const QByteArray pixels(reinterpret_cast<const char *>(picture->constBits()),
                                picture->sizeInBytes());
        QVERIFY2(!seen.contains(pixels), qPrintable(CardName(deck, card)));
        seen.insert(pixels);
    }
}

// A second load of an id hands out the pixels of the first: nothing is decoded anew. What
// a holder does to its copy never reaches the next one.
void TestCardPicture::aShownPictureIsNotDecodedAgain()
{
    const auto first = LoadCardPicture(kEtteilla, 12);
    const auto second = LoadPictureById(PictureId(kEtteilla, 12));
    QVERIFY(first && second);
    QCOMPARE(second->constBits(), first->constBits());

    QImage changed = *second;
    changed.fill(Qt::black);
    const auto third = LoadPictureById(PictureId(kEtteilla, 12));
    QVERIFY(third);
    QCOMPARE(third->constBits(), first->constBits());
    QCOMPARE(*third, *first);
    QVERIFY(*third != changed);
}

void TestCardPicture::theLeastLatelyShownPictureMakesRoom()
{
    const int id = PictureId(kThierens, 40);
    const auto first = LoadPictureById(id);
    QVERIFY(first);
    // Shown again, the picture is the latest: a full store of others keeps it ...
    for (int other = 1; other < kKeptPictureCount; ++other) {
        QVERIFY(LoadPictureById(other));
        QCOMPARE(LoadPictureById(id)->constBits(), first->constBits());
    }
    // ... until that many others have been shown since.
    for (int other = 1; other <= kKeptPictureCount; ++other)
        QVERIFY(LoadPictureById(other));
    const auto again = LoadPictureById(id);
    QVERIFY(again);
    QVERIFY(again->constBits() != first->constBits());
    QCOMPARE(*again, *first);
}

void TestCardPicture::pentagramLoadsWithTransparentGround()
{
    QImageReader reader(QString::fromLatin1(kPentagramPictureResource));
    QCOMPARE(reader.format(), QByteArray("gif"));
    const QImage pentagram = reader.read();
    QVERIFY2(!pentagram.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(pentagram.size(), QSize(475, 475));
    QVERIFY(pentagram.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(474, 0), QPoint(0, 474), QPoint(474, 474)})
        QCOMPARE(qAlpha(pentagram.pixel(corner)), 0);
    // One point up: the star's top point meets the circle straight above the centre,
    // in a light violet line; the centre itself is clear.
    QColor top;
    for (int y = 0; y < 20 && !top.isValid(); ++y) {
        if (qAlpha(pentagram.pixel(237, y)) == 255)
            top = pentagram.pixelColor(237, y);
    }
    QVERIFY(top.isValid());
    QVERIFY2(top.blue() > top.green() && top.red() > top.green() && top.lightness() > 150,
             qPrintable(top.name()));
    QCOMPARE(qAlpha(pentagram.pixel(237, 237)), 0);
}

QTEST_GUILESS_MAIN(TestCardPicture)
#include "test_card_picture.moc"
