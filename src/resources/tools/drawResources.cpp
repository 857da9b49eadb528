// Draws the tool bar icons (icons/*.png) and the pictures beside the program
// (title.bmp, portablesetup.bmp, mobilesetup.bmp). Run once when a drawing
// changes and commit the files; the build only copies them.
//
//   g++ -std=c++20 -fPIC drawResources.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawResources
//   QT_QPA_PLATFORM=offscreen /tmp/drawResources <src/resources directory> [PNG preview directory]
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor INK(0x20, 0x2a, 0x36);
const QColor PAPER(0xf6, 0xf5, 0xf0);
const QColor BLUE(0x2f, 0x6f, 0xb5);
const QColor LIGHTBLUE(0xc9, 0xdc, 0xf0);
const QColor GREEN(0x3a, 0x8f, 0x4f);
const QColor ORANGE(0xd9, 0x7a, 0x1e);
const QColor GREY(0x8a, 0x90, 0x98);
const QColor LIGHTGREY(0xdd, 0xdf, 0xe2);
const QColor RED(0xc0, 0x39, 0x2b);
const QColor YELLOW(0xf2, 0xc1, 0x4e);

QFont sans(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& c, double width) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF a = line;
    a.setLength(width * 3.2);
    QLineF b = a;
    a.setAngle(line.angle() + 30);
    b.setAngle(line.angle() - 30);
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(a.p2());
    head.lineTo(b.p2());
    head.closeSubpath();
    p.fillPath(head, c);
}

// A hand-held radio: body, antenna, display, keypad.
void portableRadio(QPainter& p, QRectF body) {
    p.setPen(QPen(INK, 2));
    const double aw = body.width() * 0.14;
    p.setBrush(INK);
    p.drawRoundedRect(QRectF(body.left() + body.width() * 0.18, body.top() - body.height() * 0.45, aw,
                             body.height() * 0.47),
                      aw / 2, aw / 2);
    p.setBrush(GREY);
    p.drawRoundedRect(body, body.width() * 0.12, body.width() * 0.12);
    p.setBrush(LIGHTBLUE);
    p.drawRect(QRectF(body.left() + body.width() * 0.15, body.top() + body.height() * 0.12,
                      body.width() * 0.7, body.height() * 0.2));
    p.setBrush(LIGHTGREY);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(body.left() + body.width() * (0.17 + 0.24 * c),
                              body.top() + body.height() * (0.42 + 0.16 * r), body.width() * 0.18,
                              body.height() * 0.1));
}

void box(QPainter& p, QRectF r, const QColor& fill, const QString& text, int textPixels = 15) {
    p.setPen(QPen(INK, 2));
    p.setBrush(fill);
    p.drawRoundedRect(r, 6, 6);
    p.setFont(sans(textPixels, true));
    p.drawText(r.adjusted(6, 4, -6, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
}

void cable(QPainter& p, const QPolygonF& path, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(path);
}

void note(QPainter& p, QPointF at, const QString& text, int pixels = 13, const QColor& c = INK) {
    p.setPen(c);
    p.setFont(sans(pixels));
    p.drawText(at, text);
}

void pcBox(QPainter& p, QRectF r) {
    p.setPen(QPen(INK, 2));
    p.setBrush(LIGHTGREY);
    p.drawRect(r);
    p.setBrush(BLUE);
    p.drawRect(r.adjusted(8, 8, -8, -26));
    p.setFont(sans(13, true));
    p.setPen(Qt::white);
    p.drawText(r.adjusted(8, 8, -8, -26), Qt::AlignCenter, QStringLiteral("Veltra"));
    p.setPen(INK);
    p.setBrush(GREY);
    p.drawRect(QRectF(r.center().x() - 20, r.bottom(), 40, 10));
    p.setFont(sans(12, true));
    p.drawText(QRectF(r.left(), r.bottom() - 24, r.width(), 22), Qt::AlignCenter, QStringLiteral("PC"));
}

void testSet(QPainter& p, QRectF r) {
    p.setPen(QPen(INK, 2));
    p.setBrush(LIGHTGREY);
    p.drawRoundedRect(r, 6, 6);
    p.setBrush(QColor(0x1d, 0x3b, 0x2a));
    const QRectF screen(r.left() + 10, r.top() + 10, r.width() * 0.55, r.height() - 48);
    p.drawRect(screen);
    p.setPen(QPen(QColor(0x7c, 0xe0, 0x8a), 2));
    QPolygonF wave;
    for (int i = 0; i <= 40; ++i)
        wave << QPointF(screen.left() + screen.width() * i / 40.0,
                        screen.center().y() + std::sin(i / 40.0 * 12.566) * screen.height() * 0.3);
    p.drawPolyline(wave);
    p.setPen(QPen(INK, 2));
    p.setBrush(GREY);
    for (int i = 0; i < 3; ++i)
        p.drawEllipse(QPointF(r.right() - 30, r.top() + 22 + i * 24.0), 8, 8);
    p.setFont(sans(13, true));
    p.drawText(QRectF(r.left(), r.bottom() - 34, r.width(), 30), Qt::AlignCenter,
               QStringLiteral("Radio test set"));
}

QImage toIndexed(const QImage& image) {
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage titlePicture() {
    QImage img(550, 400, QImage::Format_RGB32);
    img.fill(PAPER);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 550, 190), BLUE);
    portableRadio(p, QRectF(40, 70, 60, 100));
    // signal waves from the antenna
    p.setPen(QPen(Qt::white, 3));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i)
        p.drawArc(QRectF(58 - i * 14, 26 - i * 14, i * 28, i * 28), 20 * 16, 50 * 16);
    p.setPen(Qt::white);
    p.setFont(sans(64, true));
    p.drawText(QRect(140, 40, 400, 80), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Veltra"));
    p.setFont(sans(18));
    p.drawText(QRect(144, 118, 400, 30), Qt::AlignLeft, QStringLiteral("Radio alignment for Kestrel and"));
    p.drawText(QRect(144, 142, 400, 30), Qt::AlignLeft, QStringLiteral("Entry Level Kestrel radios"));
    // a tuning slider
    p.setPen(QPen(INK, 3));
    p.drawLine(60, 240, 490, 240);
    for (int i = 0; i <= 10; ++i)
        p.drawLine(60 + i * 43, 232, 60 + i * 43, 248);
    p.setBrush(ORANGE);
    p.drawRoundedRect(QRectF(300, 222, 20, 36), 4, 4);
    p.setFont(sans(14));
    p.drawText(QRect(60, 262, 430, 20), Qt::AlignCenter, QStringLiteral("read  -  tune  -  program"));
    return toIndexed(img);
}

void badge(QPainter& p, QPointF at, int n, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(at, 9, 9);
    p.setPen(Qt::white);
    p.setFont(sans(12, true));
    p.drawText(QRectF(at.x() - 9, at.y() - 9, 18, 18), Qt::AlignCenter, QString::number(n));
}

// Common layout of the two setup drawings; `mobile` changes the radio and
// its power.
QImage setupPicture(bool mobile) {
    QImage img(550, 400, QImage::Format_RGB32);
    img.fill(PAPER);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(INK);
    p.setFont(sans(20, true));
    p.drawText(QRect(0, 8, 550, 30), Qt::AlignCenter,
               mobile ? QStringLiteral("Mobile radio setup") : QStringLiteral("Portable radio setup"));

    pcBox(p, QRectF(24, 50, 110, 90));
    testSet(p, QRectF(360, 50, 170, 110));
    box(p, QRectF(390, 180, 110, 34), LIGHTGREY, QStringLiteral("Attenuator"), 13);

    QRectF radio;
    QPointF antenna;
    if (mobile) {
        radio = QRectF(190, 210, 190, 60);
        p.setPen(QPen(INK, 2));
        p.setBrush(GREY);
        p.drawRoundedRect(radio, 6, 6);
        p.setBrush(LIGHTBLUE);
        p.drawRect(QRectF(radio.left() + 14, radio.top() + 14, 80, 22));
        p.setBrush(INK);
        p.drawEllipse(QPointF(radio.right() - 40, radio.center().y()), 12, 12);
        p.drawRect(QRectF(radio.right() - 14, radio.top() - 8, 8, 8)); // antenna socket
        antenna = QPointF(radio.right() - 10, radio.top() - 8);
        p.setFont(sans(13, true));
        p.drawText(QRectF(radio.left(), radio.bottom() + 2, radio.width(), 18), Qt::AlignCenter,
                   QStringLiteral("Mobile radio"));
    } else {
        radio = QRectF(232, 210, 56, 96);
        portableRadio(p, radio);
        antenna = QPointF(radio.left() + radio.width() * 0.25, radio.top() - radio.height() * 0.45);
        p.setFont(sans(13, true));
        p.setPen(INK);
        p.drawText(QRectF(radio.right() + 4, radio.top() + 30, 110, 18), Qt::AlignLeft,
                   QStringLiteral("Portable radio"));
    }
    box(p, QRectF(24, 282, 130, 46), YELLOW,
        mobile ? QStringLiteral("DC supply 13.8 V\nwith ammeter")
               : QStringLiteral("Battery eliminator\n7.5 V"),
        13);

    // 1: programming cable from the PC to the accessory connector.
    const double y1 = radio.center().y();
    cable(p, QPolygonF() << QPointF(79, 150) << QPointF(79, y1) << QPointF(radio.left(), y1), BLUE);
    badge(p, QPointF(150, y1), 1, BLUE);
    // 2: antenna connector through the attenuator to the test set's RF in/out.
    if (mobile)
        cable(p, QPolygonF() << antenna << QPointF(antenna.x(), 197) << QPointF(390, 197), GREEN);
    else
        cable(p,
              QPolygonF() << antenna << QPointF(antenna.x(), 172) << QPointF(370, 172) << QPointF(370, 197)
                          << QPointF(390, 197),
              GREEN);
    cable(p, QPolygonF() << QPointF(445, 180) << QPointF(445, 160), GREEN);
    badge(p, QPointF(mobile ? 362 : 330, mobile ? 180 : 172), 2, GREEN);
    // 3: the test set's audio generator and meter to the accessory connector.
    const double y3 = radio.bottom() - 12;
    cable(p, QPolygonF() << QPointF(512, 160) << QPointF(512, y3) << QPointF(radio.right(), y3), ORANGE);
    badge(p, QPointF(512, (160 + y3) / 2), 3, ORANGE);
    // 4: power.
    cable(p,
          QPolygonF() << QPointF(154, 305) << QPointF(radio.center().x(), 305)
                      << QPointF(radio.center().x(), radio.bottom()),
          RED);
    badge(p, QPointF(175, 305), 4, RED);

    const QString legend[4] = {
        QStringLiteral("Programming cable (serial or USB) to the accessory connector"),
        QStringLiteral("RF cable: antenna connector, attenuator, test set RF in/out"),
        QStringLiteral("Audio cable: test set audio in/out to the accessory connector"),
        mobile ? QStringLiteral("13.8 V supply with ammeter; switch the radio on")
               : QStringLiteral("7.5 V supply in place of the battery; switch the radio on"),
    };
    const QColor colours[4] = {BLUE, GREEN, ORANGE, RED};
    for (int i = 0; i < 4; ++i) {
        const double y = 338 + i * 16.5;
        badge(p, QPointF(24 + 9, y), i + 1, colours[i]);
        note(p, QPointF(48, y + 5), legend[i], 13);
    }
    return toIndexed(img);
}

QImage icon(int size, const std::function<void(QPainter&, double)>& draw) {
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p, size / 24.0);
    return img;
}

void save(const QImage& img, const QString& path) {
    if (!img.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    // A second argument names a directory for PNG copies of the pictures, to look at them.
    const QString preview = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    const auto picture = [&](const QImage& img, const QString& name) {
        save(img, dir + "/" + name + ".bmp");
        if (!preview.isEmpty())
            save(img, preview + "/" + name + ".png");
    };
    picture(titlePicture(), QStringLiteral("title"));
    picture(setupPicture(false), QStringLiteral("portablesetup"));
    picture(setupPicture(true), QStringLiteral("mobilesetup"));

    const auto folder = [](QPainter& p, double s) {
        p.scale(s, s);
        p.setPen(QPen(INK, 1.2));
        p.setBrush(YELLOW);
        p.drawPolygon(QPolygonF() << QPointF(2, 6) << QPointF(9, 6) << QPointF(11, 8) << QPointF(20, 8)
                                  << QPointF(20, 20) << QPointF(2, 20));
        p.setBrush(QColor(0xf7, 0xd7, 0x7e));
        p.drawPolygon(QPolygonF() << QPointF(5, 11) << QPointF(23, 11) << QPointF(20, 20) << QPointF(2, 20));
    };
    save(icon(24,
              [&](QPainter& p, double s) {
                  folder(p, s);
                  arrow(p, QPointF(14, 9), QPointF(14, 1.5), GREEN, 1.8);
              }),
         dir + "/icons/loadarchive.png");
    save(icon(24,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(QPen(INK, 1.2));
                  p.setBrush(BLUE);
                  p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
                  p.setBrush(Qt::white);
                  p.drawRect(QRectF(6, 3, 12, 7));
                  p.setBrush(LIGHTGREY);
                  p.drawRect(QRectF(7, 14, 10, 7));
                  p.fillRect(QRectF(14, 4.5, 2.5, 4), INK);
              }),
         dir + "/icons/savearchive.png");
    const auto smallRadio = [](QPainter& p) {
        p.setPen(QPen(INK, 1.1));
        p.setBrush(INK);
        p.drawRect(QRectF(15, 1, 2, 7));
        p.setBrush(GREY);
        p.drawRoundedRect(QRectF(13, 7, 9, 15), 1.5, 1.5);
        p.setBrush(LIGHTBLUE);
        p.drawRect(QRectF(14.5, 9, 6, 3.5));
    };
    save(icon(24,
              [&](QPainter& p, double s) {
                  p.scale(s, s);
                  smallRadio(p);
                  arrow(p, QPointF(12, 15), QPointF(1.5, 15), BLUE, 2.2);
              }),
         dir + "/icons/readradio.png");
    save(icon(24,
              [&](QPainter& p, double s) {
                  p.scale(s, s);
                  smallRadio(p);
                  arrow(p, QPointF(1.5, 15), QPointF(12, 15), RED, 2.2);
              }),
         dir + "/icons/programall.png");
    save(icon(24,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(QPen(INK, 1.2));
                  p.setBrush(Qt::white);
                  p.drawRect(QRectF(6, 2, 12, 8));
                  p.setBrush(LIGHTGREY);
                  p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
                  p.setBrush(Qt::white);
                  p.drawRect(QRectF(6, 14, 12, 8));
                  p.drawLine(QPointF(8, 17), QPointF(16, 17));
                  p.drawLine(QPointF(8, 19.5), QPointF(14, 19.5));
                  p.fillRect(QRectF(18, 11, 2, 2), GREEN);
              }),
         dir + "/icons/print.png");
    save(icon(24,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(QPen(INK, 1.2));
                  p.setBrush(GREY);
                  p.drawPolygon(QPolygonF()
                                << QPointF(2, 7) << QPointF(22, 7) << QPointF(19, 17) << QPointF(5, 17));
                  p.setBrush(Qt::white);
                  for (int i = 0; i < 5; ++i)
                      p.drawEllipse(QPointF(5.5 + i * 3.25, 10), 1.1, 1.1);
                  for (int i = 0; i < 4; ++i)
                      p.drawEllipse(QPointF(7 + i * 3.3, 14), 1.1, 1.1);
              }),
         dir + "/icons/comsettings.png");
    save(icon(24,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(Qt::NoPen);
                  p.setBrush(BLUE);
                  p.drawEllipse(QRectF(1.5, 1.5, 21, 21));
                  p.setPen(Qt::white);
                  p.setFont(sans(17, true));
                  p.drawText(QRectF(1.5, 1.5, 21, 21), Qt::AlignCenter, QStringLiteral("?"));
              }),
         dir + "/icons/help.png");
    save(icon(64,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(Qt::NoPen);
                  p.setBrush(BLUE);
                  p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
                  portableRadio(p, QRectF(6, 8.5, 8, 13));
                  p.setPen(QPen(YELLOW, 1.3));
                  p.setBrush(Qt::NoBrush);
                  for (int i = 1; i <= 2; ++i)
                      p.drawArc(QRectF(8.6 - i * 3.5, 4.7 - i * 3.5, i * 7.0, i * 7.0), 10 * 16, 60 * 16);
                  p.setPen(QPen(Qt::white, 1.2));
                  p.drawLine(QPointF(16.5, 8), QPointF(16.5, 20));
                  p.drawLine(QPointF(20, 8), QPointF(20, 20));
                  p.setBrush(ORANGE);
                  p.setPen(Qt::NoPen);
                  p.drawRect(QRectF(15, 11, 3, 2.5));
                  p.drawRect(QRectF(18.5, 15, 3, 2.5));
              }),
         dir + "/icons/veltra.png");
    // The two buttons every tuning screen has.
    save(icon(25,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(QPen(INK, 1.2));
                  p.setBrush(GREY);
                  p.drawRoundedRect(QRectF(8, 6, 8, 13), 4, 4);
                  p.setBrush(Qt::NoBrush);
                  p.drawArc(QRectF(5, 8, 14, 14), 180 * 16, 180 * 16);
                  p.drawLine(QPointF(12, 22), QPointF(12, 23.5));
                  p.setPen(QPen(RED, 1.4));
                  p.drawArc(QRectF(2, 1, 20, 20), 40 * 16, 100 * 16);
              }),
         dir + "/icons/ptt.png");
    save(icon(25,
              [](QPainter& p, double s) {
                  p.scale(s, s);
                  p.setPen(QPen(INK, 1.2));
                  p.setBrush(LIGHTGREY);
                  p.drawRect(QRectF(9, 6, 12, 12));
                  for (int i = 0; i < 3; ++i) {
                      p.drawLine(QPointF(11 + i * 4, 3.5), QPointF(11 + i * 4, 6));
                      p.drawLine(QPointF(11 + i * 4, 18), QPointF(11 + i * 4, 20.5));
                  }
                  arrow(p, QPointF(1, 12), QPointF(10, 12), GREEN, 2.0);
              }),
         dir + "/icons/program.png");
    return 0;
}
