// The committed chip sheet, mask and icon files, decoded here byte by byte.

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QTransform>

#include <array>
#include <vector>

namespace {

constexpr int Chip = 16;
constexpr int SheetW = 96;
constexpr int SheetH = 64;
constexpr int BmpFileSize = 7222;
constexpr int FileHeader = 14;
constexpr int ItemRow = 2;
constexpr int BallRow = 3;
constexpr QRgb Black = 0xff000000;
constexpr QRgb White = 0xffffffff;
constexpr QRgb Cyan = 0xff00ffff;
constexpr QRgb DiscGreen = 0xff00ffaa;
constexpr QRgb Pink = 0xffff007f;

// The 20 system colours: entries 0..9, then 246..255.
constexpr std::array<QRgb, 20> SystemColours{
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080,
    0xffc0c0c0, 0xffc0dcc0, 0xffa6caf0, 0xfffffbf0, 0xffa0a0a4, 0xff808080, 0xffff0000,
    0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

struct Family {
    const char* name;
    QRgb light, face, dark;
};
constexpr std::array<Family, 6> Families{{
    {"grey", 0xffaaaaaa, 0xff7c7c7c, 0xff626262},
    {"red", 0xffdd0000, 0xff990000, 0xff550000},
    {"green", 0xff00ff55, 0xff00bb3e, 0xff007727},
    {"blue", 0xff2a00ff, 0xff1e00bb, 0xff130077},
    {"purple", 0xffaa00ff, 0xff7c00bb, 0xff4e0077},
    {"gold", 0xffffd400, 0xffbb9b00, 0xff776200},
}};

// The raised block (left) and the floor (right), a line per pixel row:
// '#' black, 'L' light shade, 'F' face shade, 'D' dark shade.
constexpr int PictureStride = 2 * Chip + 1;
constexpr const char* BlockAndFloor = //
    "################ ################"
    "##LLLLLLLLLLLL## #FFFFFF##FFFFFF#"
    "#L#LLLLLLLLLL#D# #FFFFFF##FFFFFF#"
    "#LL##########DD# #FFFFFF##FFFFFF#"
    "#LL#FFFFFFFF#DD# #FFFFFF##FFFFFF#"
    "#LL#FFFFFFFF#DD# #FFFFFF##FFFFFF#"
    "#LL#FFFFFFFF#DD# #FFFFFF##FFFFFF#"
    "#LL#FFFFFFFF#DD# ################"
    "#LL#FFFFFFFF#DD# ################"
    "#LL#FFFFFFFF#DD# #FFFFFF##FFFFFF#"
    "#LL#FFFFFFFF#DD# #FFFFFF##FFFFFF#"
    "#LL#FFFFFFFF#DD# #FFFFFF##FFFFFF#"
    "#LL##########DD# #FFFFFF##FFFFFF#"
    "#L#DDDDDDDDDD#D# #FFFFFF##FFFFFF#"
    "##DDDDDDDDDDDD## #FFFFFF##FFFFFF#"
    "################ ################";

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString inTree(const QString& name)
{
    return QStringLiteral(ORVANE_RESOURCES "/") + name;
}

// An 8-bit bottom-up picture whose BITMAPINFOHEADER starts at `info`.
struct Picture {
    int width = 0;
    QList<QRgb> table;
    std::vector<int> entries; // top row first
    int entry(int x, int y) const { return entries[y * width + x]; }
    QRgb at(int x, int y) const { return table[entry(x, y)]; }
    QRgb at(QPoint p) const { return at(p.x(), p.y()); }
};

Picture decodeDib(const QByteArray& b, int info, int width, int height)
{
    Picture p;
    p.width = width;
    const char* t = b.constData() + info + 40;
    for (int i = 0; i < 256; ++i)
        p.table.append(qRgb(quint8(t[4 * i + 2]), quint8(t[4 * i + 1]), quint8(t[4 * i])));
    const int stride = (p.width + 3) / 4 * 4;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.entries.push_back(quint8(t[1024 + (height - 1 - y) * stride + x]));
    return p;
}

QString where(int x, int y)
{
    return QStringLiteral("(%1, %2)").arg(x).arg(y);
}

} // namespace

Q_DECLARE_METATYPE(Family)

class TestChipSheet : public QObject {
    Q_OBJECT

    Picture sheet = decodeDib(readAll(inTree("chipsheet.bmp")), FileHeader, SheetW, SheetH);
    Picture mask = decodeDib(readAll(inTree("chipmask.bmp")), FileHeader, SheetW, SheetH);

    // The figure pixels (mask white) of a cell, in cell coordinates.
    QRect figureBox(int column, int row) const
    {
        QRect box;
        for (int y = 0; y < Chip; ++y)
            for (int x = 0; x < Chip; ++x)
                if (mask.at(column * Chip + x, row * Chip + y) == White)
                    box |= QRect(x, y, 1, 1);
        return box;
    }

private slots:
    void bitmapLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("sheet") << "chipsheet.bmp";
        QTest::newRow("mask") << "chipmask.bmp";
    }

    void bitmapLayout()
    {
        QFETCH(QString, name);
        const QByteArray b = readAll(inTree(name));
        QCOMPARE(b.size(), BmpFileSize);
        // "BM", 7222 bytes, pixels at 1078; a 40-byte header, 96 x 64 with a positive
        // height (bottom-up rows), one plane, 8 bits, uncompressed, 6144 bytes of
        // pixels, no resolution, 256 colours.
        QCOMPARE(b.left(14).toHex(' '), "42 4d 36 1c 00 00 00 00 00 00 36 04 00 00");
        QCOMPARE(b.mid(14, 40),
                 QByteArray::fromHex("28000000 60000000 40000000 0100 0800 00000000 "
                                     "00180000 00000000 00000000 00010000 00000000"));

        const Picture p = decodeDib(b, FileHeader, SheetW, SheetH);
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(p.table[i], SystemColours[i]);
            QCOMPARE(p.table[246 + i], SystemColours[10 + i]);
        }
        // The compiled-in copy is the same file, and Qt's reader sees the same pixels.
        QCOMPARE(readAll(":/orvane/" + name), b);
        const QImage qt(":/orvane/" + name);
        QCOMPARE(qt.size(), QSize(SheetW, SheetH));
        for (int y = 0; y < SheetH; ++y)
            for (int x = 0; x < SheetW; ++x)
                QCOMPARE(qt.pixel(x, y), p.at(x, y));
    }

    // Every pixel: the sheet's colours, and both rules of the mask.
    void everyPixel()
    {
        QSet<QRgb> allowed{Black, White, Cyan, DiscGreen, Pink};
        for (const Family& f : Families)
            allowed += {f.light, f.face, f.dark};
        auto clear = [&](int x, int y) { return mask.at(x, y) == Black; };
        for (int y = 0; y < SheetH; ++y)
            for (int x = 0; x < SheetW; ++x) {
                const QByteArray at = where(x, y).toLatin1();
                const QRgb c = sheet.at(x, y);
                const bool ballGrey = qRed(c) == qGreen(c) && qGreen(c) == qBlue(c) &&
                                      qRed(c) >= 58 && qRed(c) <= 163;
                QVERIFY2(allowed.contains(c) || ballGrey, at);
                QVERIFY2(mask.entry(x, y) == 0 || mask.entry(x, y) == 255, at);
                QVERIFY2(!clear(x, y) || c == White, at);
                // Walls and floors are opaque; the figures below are opaque exactly on
                // their (never white) pixels, and their edge is their black outline.
                const bool figureRows = y >= ItemRow * Chip;
                QVERIFY2(figureRows ? clear(x, y) == (c == White) : !clear(x, y), at);
                const int cx = x % Chip, cy = y % Chip;
                const bool edge = cx == 0 || cy == 0 || cx == Chip - 1 || cy == Chip - 1 ||
                                  clear(x - 1, y) || clear(x + 1, y) || clear(x, y - 1) ||
                                  clear(x, y + 1);
                QVERIFY2(!figureRows || clear(x, y) || !edge || c == Black, at);
            }
    }

    void wallsAndFloors_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<Family>("family");
        for (int c = 0; c < int(Families.size()); ++c) {
            QTest::addRow("block %s", Families[c].name) << c << 0 << Families[c];
            QTest::addRow("floor %s", Families[c].name) << c << 1 << Families[c];
        }
    }

    void wallsAndFloors()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(Family, family);
        for (int y = 0; y < Chip; ++y)
            for (int x = 0; x < Chip; ++x) {
                const char k = BlockAndFloor[y * PictureStride + row * (Chip + 1) + x];
                const QRgb want = k == 'L'   ? family.light
                                  : k == 'F' ? family.face
                                  : k == 'D' ? family.dark
                                             : Black;
                QVERIFY2(sheet.at(column * Chip + x, row * Chip + y) == want,
                         qPrintable(where(x, y) + " should be " + k));
            }
    }

    void arrows_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QRect>("tip");         // its two pixels, on the box's edge
        QTest::addColumn<QTransform>("fromUp"); // where a pixel of the up arrow lands
        const int e = Chip - 1;
        QTest::newRow("up") << 0 << QRect(QPoint(4, 4), QPoint(11, 10)) << QRect(7, 4, 2, 1)
                            << QTransform();
        QTest::newRow("down") << 1 << QRect(QPoint(4, 5), QPoint(11, 11)) << QRect(7, 11, 2, 1)
                              << QTransform(1, 0, 0, -1, 0, e);
        QTest::newRow("left") << 2 << QRect(QPoint(4, 4), QPoint(10, 11)) << QRect(4, 7, 1, 2)
                              << QTransform(0, 1, 1, 0, 0, 0);
        QTest::newRow("right") << 3 << QRect(QPoint(5, 4), QPoint(11, 11)) << QRect(11, 7, 1, 2)
                               << QTransform(0, 1, -1, 0, e, 0);
    }

    void arrows()
    {
        QFETCH(int, column);
        QFETCH(QRect, box);
        QFETCH(QRect, tip);
        QFETCH(QTransform, fromUp);
        const QPoint cell(column * Chip, ItemRow * Chip), upCell(0, ItemRow * Chip);
        QCOMPARE(figureBox(column, ItemRow), box);
        // Along the box's edge through the tip, the figure is the tip alone.
        const QRect edge = tip.width() > 1 ? QRect(box.left(), tip.top(), box.width(), 1)
                                           : QRect(tip.left(), box.top(), 1, box.height());
        for (int y = edge.top(); y <= edge.bottom(); ++y)
            for (int x = edge.left(); x <= edge.right(); ++x)
                QCOMPARE(mask.at(cell + QPoint(x, y)) == White, tip.contains(x, y));

        // The same figure as the up arrow, turned or mirrored.
        int cyan = 0;
        for (int y = 0; y < Chip; ++y)
            for (int x = 0; x < Chip; ++x) {
                const QPoint p(x, y), q = fromUp.map(p);
                QCOMPARE(sheet.at(cell + q), sheet.at(upCell + p));
                QCOMPARE(mask.at(cell + q), mask.at(upCell + p));
                cyan += sheet.at(upCell + p) == Cyan;
            }
        QVERIFY(cyan >= 20);
    }

    void markers_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("other");
        QTest::newRow("start S") << 4 << 5;
        QTest::newRow("goal G") << 5 << 4;
    }

    void markers()
    {
        QFETCH(int, column);
        QFETCH(int, other);
        const int ox = column * Chip, oy = ItemRow * Chip;
        QCOMPARE(figureBox(column, ItemRow), QRect(0, 0, Chip, Chip));
        for (int y : {0, Chip - 1})
            for (int x = 0; x < Chip; ++x)
                QCOMPARE(mask.at(ox + x, oy + y) == White, x >= 5 && x <= 10);

        QRect letter;
        int differs = 0;
        for (int y = 0; y < Chip; ++y)
            for (int x = 0; x < Chip; ++x) {
                // A round disc: symmetric both ways.
                QCOMPARE(mask.at(ox + x, oy + y), mask.at(ox + Chip - 1 - x, oy + y));
                QCOMPARE(mask.at(ox + x, oy + y), mask.at(ox + x, oy + Chip - 1 - y));
                differs += sheet.at(ox + x, oy + y) != sheet.at(other * Chip + x, oy + y);
                if (sheet.at(ox + x, oy + y) != Pink)
                    continue;
                letter |= QRect(x, y, 1, 1);
                for (int dy = -1; dy <= 1; ++dy) // black-edged: pink never touches green
                    for (int dx = -1; dx <= 1; ++dx)
                        QVERIFY(sheet.at(ox + x + dx, oy + y + dy) != DiscGreen);
            }
        QVERIFY(letter.width() >= 5 && letter.width() <= 7);
        QVERIFY(letter.height() >= 9 && letter.height() <= 11);
        QVERIFY(qAbs(letter.left() + letter.right() - (Chip - 1)) <= 1); // centred
        QVERIFY(qAbs(letter.top() + letter.bottom() - (Chip - 1)) <= 1);
        QVERIFY(differs >= 6); // S and G are different letters
        QCOMPARE(sheet.at(ox + Chip / 2, oy + 1), DiscGreen);
    }

    void ball()
    {
        const QPoint cell(0, BallRow * Chip), disc(4 * Chip, ItemRow * Chip);
        QSet<QRgb> greys;
        int lightest = 0;
        QPoint lightestAt;
        long upperLeft = 0, lowerRight = 0;
        for (int y = 0; y < Chip; ++y)
            for (int x = 0; x < Chip; ++x) {
                const QPoint p(x, y);
                QCOMPARE(mask.at(cell + p), mask.at(disc + p)); // the markers' circle
                const QRgb c = sheet.at(cell + p);
                if (c == Black || c == White)
                    continue;
                greys.insert(c);
                if (qRed(c) > lightest)
                    lightest = qRed(c), lightestAt = p;
                upperLeft += x < Chip / 2 && y < Chip / 2 ? qRed(c) : 0;
                lowerRight += x >= Chip / 2 && y >= Chip / 2 ? qRed(c) : 0;
            }
        QCOMPARE(greys.size(), 14);
        QVERIFY(greys.contains(qRgb(58, 58, 58)) && greys.contains(qRgb(163, 163, 163)));
        // Lightest just above and left of the centre, darker toward the lower right.
        QVERIFY2(QRect(3, 3, 5, 5).contains(lightestAt),
                 qPrintable(where(lightestAt.x(), lightestAt.y())));
        QVERIFY(upperLeft > lowerRight * 3 / 2);
    }

    void emptyCells()
    {
        for (int y = BallRow * Chip; y < SheetH; ++y)
            for (int x = Chip; x < SheetW; ++x) {
                QVERIFY2(sheet.at(x, y) == White, qPrintable(where(x, y)));
                QVERIFY2(mask.at(x, y) == Black, qPrintable(where(x, y)));
            }
    }

    void icon()
    {
        constexpr int Size = 32;
        const QByteArray b = readAll(inTree("orvane.ico"));
        // One 32 x 32 image of 256 colours and 8 bits, 2216 bytes at offset 22: a 40-byte
        // header with twice the height (colour rows, then mask rows), 1024 bytes of colour
        // table, 32 x 32 pixels, and 32 rows of 4 mask bytes.
        QCOMPARE(b.size(), 22 + 2216);
        QCOMPARE(b.left(22).toHex(' '),
                 "00 00 01 00 01 00 20 20 00 00 01 00 08 00 a8 08 00 00 16 00 00 00");
        QCOMPARE(b.mid(22, 20).toHex(' '),
                 "28 00 00 00 20 00 00 00 40 00 00 00 01 00 08 00 00 00 00 00");
        QCOMPARE(b.right(4 * Size), QByteArray(4 * Size, '\0')); // no transparent pixel
        QCOMPARE(readAll(":/orvane/orvane.ico"), b);

        const Picture p = decodeDib(b, 22, Size, Size);
        for (QPoint c :
             {QPoint(0, 0), QPoint(Size - 1, 0), QPoint(0, Size - 1), QPoint(Size - 1, Size - 1)})
            QCOMPARE(p.at(c), Cyan);
        const QImage png(":/orvane/orvane.png"), fromIco(":/orvane/orvane.ico"),
            large(inTree("orvane-256.png"));
        QCOMPARE(readAll(":/orvane/orvane.png"), readAll(inTree("orvane.png")));
        QCOMPARE(png.size(), QSize(Size, Size));
        QCOMPARE(large.size(), QSize(8 * Size, 8 * Size));
        QCOMPARE(fromIco.size(), QSize(Size, Size));
        int yellow = 0, blue = 0, green = 0;
        for (int y = 0; y < Size; ++y)
            for (int x = 0; x < Size; ++x) {
                const QRgb c = p.at(x, y);
                QCOMPARE(png.pixel(x, y), c);
                QCOMPARE(fromIco.pixel(x, y), c);
                QCOMPARE(large.pixel(8 * x + 7, 8 * y + 3), c);
                yellow += c == qRgb(255, 255, 0);
                blue += c == qRgb(0, 0, 128);
                green += qGreen(c) > 2 * qRed(c) && qGreen(c) > 2 * qBlue(c);
            }
        QVERIFY(yellow > 100 && blue > 100 && green > 30); // walls, ground, pencil
    }
};

QTEST_GUILESS_MAIN(TestChipSheet)
#include "tst_chipsheet.moc"
