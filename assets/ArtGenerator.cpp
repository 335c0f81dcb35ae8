// Draws every picture of the program's look into one folder, so the artwork
// is made the same way on every build: once for ordinary screens and once,
// named "<name>@2x", for screens of twice the density, where Qt picks it.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// One look: deep blue panels, a light face, an orange accent.
const QColor Navy(22, 44, 86);
const QColor Blue(38, 86, 156);
const QColor Sky(120, 170, 230);
const QColor Face(232, 238, 246);
const QColor Accent(245, 146, 32);
const QColor Magenta(255, 0, 255);

enum TState { stNormal, stHot, stDown, stDisabled };
const char* const StateSuffix[] = {"", "_hot", "_down", "_disabled"};

QString OutFolder;
// Device pixels per picture pixel of the pictures being drawn: every drawing
// works in picture pixels, the painter scales them.
int Scale = 1;

// Writes name, or "<base>@2x.<extension>" for the pictures of scale 2.
void Save(const QImage& image, const QString& name, const char* format = nullptr,
          int quality = -1) {
    QString file = name;
    if (Scale > 1)
        file.insert(file.lastIndexOf('.'), QString("@%1x").arg(Scale));
    const QString path = OutFolder + file;
    if (!image.save(path, format, quality)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

// A picture of w x h picture pixels at the current scale.
QImage Blank(int w, int h, QColor fill = Qt::transparent) {
    QImage image(w * Scale, h * Scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(Scale);
    image.fill(fill);
    return image;
}

QFont Font(int pixels, bool bold = true) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// A rounded, shaded button face for a state.
void DrawFace(QPainter& p, QRectF r, TState state, qreal radius) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    QColor top = state == stHot ? Sky.lighter(115) : state == stDown ? Blue : Sky;
    QColor bottom = state == stHot ? Blue.lighter(130) : state == stDown ? Navy : Blue;
    if (state == stDisabled) {
        top = QColor(200, 204, 210);
        bottom = QColor(150, 156, 166);
    }
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(state == stDisabled ? QColor(120, 124, 130) : Navy, 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    if (state == stHot) {
        p.setPen(QPen(Accent, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    }
}

QColor Ink(TState state) {
    return state == stDisabled ? QColor(110, 114, 120) : Qt::white;
}

using TSymbol = std::function<void(QPainter&, QRectF, TState)>;

// Writes the normal, hot and pressed pictures of a button (and the
// disabled one when asked), the symbol drawn on the face of each.
void Button(const QString& name, int w, int h, const TSymbol& symbol, bool disabled = false,
            qreal radius = 5) {
    for (TState state : {stNormal, stHot, stDown, stDisabled}) {
        if (state == stDisabled && !disabled)
            continue;
        QImage image = Blank(w, h);
        QPainter p(&image);
        const QRectF r(0, 0, w, h);
        DrawFace(p, r, state, radius);
        const QRectF inner = state == stDown ? r.translated(1, 1) : r;
        symbol(p, inner, state);
        p.end();
        Save(image, name + StateSuffix[state] + ".png");
    }
}

TSymbol Caption(const QString& text, int pixels, const QString& glyph = {}) {
    return [=](QPainter& p, QRectF r, TState state) {
        p.setPen(Ink(state));
        p.setFont(Font(pixels));
        if (glyph.isEmpty()) {
            p.drawText(r, Qt::AlignCenter, text);
            return;
        }
        // A round badge with a sign on the left, the caption beside it.
        const qreal d = std::min(r.height() * 0.55, 22.0);
        const QRectF badge(r.left() + 8, r.center().y() - d / 2, d, d);
        p.setBrush(state == stDisabled ? QColor(170, 174, 180) : Accent);
        p.setPen(Qt::NoPen);
        p.drawEllipse(badge);
        p.setPen(Qt::white);
        p.setFont(Font(int(d * 0.8)));
        p.drawText(badge, Qt::AlignCenter, glyph);
        p.setPen(Ink(state));
        p.setFont(Font(pixels));
        p.drawText(r.adjusted(badge.width() + 12, 0, -4, 0), Qt::AlignCenter, text);
    };
}

TSymbol Glyph(const std::function<void(QPainter&, QRectF)>& draw) {
    return [=](QPainter& p, QRectF r, TState state) {
        p.setPen(QPen(Ink(state), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Ink(state));
        draw(p, r);
    };
}

// The product mark: a white play triangle in an orange ring.
void DrawProductMark(QPainter& p, QRectF ring, qreal penWidth) {
    p.setPen(QPen(Accent, penWidth));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ring);
    const auto at = [&](qreal x, qreal y) {
        return QPointF(ring.left() + x * ring.width(), ring.top() + y * ring.height());
    };
    QPainterPath play;
    play.moveTo(at(0.35, 0.23));
    play.lineTo(at(0.76, 0.5));
    play.lineTo(at(0.35, 0.77));
    play.closeSubpath();
    p.fillPath(play, Qt::white);
}

// Shape pictures: a rounded body, fully transparent around it. It is drawn
// on magenta, which is then taken out with the pinkish edge pixels.
QImage Shape(int w, int h, int radius, const std::function<void(QPainter&, QRectF)>& body) {
    QImage image = Blank(w, h, Magenta).convertToFormat(QImage::Format_RGB32);
    QPainter p(&image);
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, w, h), radius, radius);
    p.setClipPath(path);
    body(p, QRectF(0, 0, w, h));
    p.end();
    // Antialiased edges would leave pinkish pixels: every pixel is either
    // opaque body or fully transparent.
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(row[x]);
            if (c.red() > 200 && c.blue() > 200 && c.green() < 80)
                row[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

void MainShape() {
    Save(Shape(700, 506, 10,
               [](QPainter& p, QRectF r) {
                   QLinearGradient g(r.topLeft(), r.bottomLeft());
                   g.setColorAt(0, Face);
                   g.setColorAt(1, QColor(205, 216, 232));
                   p.fillRect(r, g);
                   p.setPen(QPen(Navy, 2));
                   p.setBrush(Qt::NoBrush);
                   p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
                   // A soft frame around the preview and the job list areas.
                   p.setPen(QPen(QColor(170, 186, 210), 1));
                   p.drawRoundedRect(QRectF(6, 108, 274, 226), 6, 6);
                   p.drawRoundedRect(QRectF(282, 108, 408, 158), 6, 6);
                   p.drawRoundedRect(QRectF(6, 328, 688, 172), 6, 6);
               }),
         "shape.png");
}

void TitleBanner() {
    QImage image = Blank(713, 65, Navy);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 65);
    g.setColorAt(0, Blue);
    g.setColorAt(0.6, Navy);
    g.setColorAt(1, Navy.darker(130));
    p.fillRect(image.rect(), g);
    p.setPen(QPen(Accent, 3));
    p.drawLine(0, 62, 713, 62);
    DrawProductMark(p, QRectF(18, 9, 44, 44), 4);
    p.end();
    Save(image, "title.png");
}

void SystemButtons() {
    const auto small = [](const QString& name, const std::function<void(QPainter&, QRectF)>& d) {
        Button(name, 31, 27, Glyph(d), false, 4);
    };
    small("minimize", [](QPainter& p, QRectF r) {
        p.drawLine(QPointF(r.left() + 9, r.bottom() - 8), QPointF(r.right() - 9, r.bottom() - 8));
    });
    small("close", [](QPainter& p, QRectF r) {
        const QRectF c = r.adjusted(10, 8, -10, -8);
        p.drawLine(c.topLeft(), c.bottomRight());
        p.drawLine(c.topRight(), c.bottomLeft());
    });

    const auto large = [](const QString& name, const QString& caption,
                          const std::function<void(QPainter&, QRectF)>& d) {
        Button(name, 48, 41, [=](QPainter& p, QRectF r, TState state) {
            p.setPen(QPen(Ink(state), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            d(p, QRectF(r.center().x() - 9, r.top() + 4, 18, 18));
            p.setFont(Font(9));
            p.drawText(QRectF(r.left(), r.bottom() - 16, r.width(), 14), Qt::AlignCenter, caption);
        });
    };
    large("homepage", "Home", [](QPainter& p, QRectF r) {
        QPainterPath house;
        house.moveTo(r.left(), r.center().y());
        house.lineTo(r.center().x(), r.top());
        house.lineTo(r.right(), r.center().y());
        p.drawPath(house);
        p.drawRect(r.adjusted(4, r.height() / 2, -4, 0));
    });
    large("email", "Mail", [](QPainter& p, QRectF r) {
        const QRectF env = r.adjusted(0, 3, 0, -2);
        p.drawRect(env);
        p.drawLine(env.topLeft(), env.center());
        p.drawLine(env.topRight(), env.center());
    });
    large("help", "Help", [](QPainter& p, QRectF r) {
        p.drawEllipse(r);
        p.setFont(Font(13));
        p.drawText(r, Qt::AlignCenter, "?");
    });
    large("about", "About", [](QPainter& p, QRectF r) {
        p.drawEllipse(r);
        p.setFont(Font(13));
        p.drawText(r, Qt::AlignCenter, "i");
    });
}

void WorkingButtons() {
    Button("folder", 29, 26, Glyph([](QPainter& p, QRectF r) {
               QPainterPath f;
               const QRectF b = r.adjusted(6, 7, -6, -6);
               f.moveTo(b.bottomLeft());
               f.lineTo(b.topLeft());
               f.lineTo(b.left() + 6, b.top());
               f.lineTo(b.left() + 8, b.top() + 3);
               f.lineTo(b.right(), b.top() + 3);
               f.lineTo(b.bottomRight());
               f.closeSubpath();
               p.setBrush(Qt::NoBrush);
               p.drawPath(f);
           }),
           true, 4);
    Button("options", 87, 29, Caption("Options", 12), true);
    Button("play", 26, 22, Glyph([](QPainter& p, QRectF r) {
               QPainterPath t;
               t.moveTo(r.center().x() - 4, r.top() + 5);
               t.lineTo(r.center().x() + 5, r.center().y());
               t.lineTo(r.center().x() - 4, r.bottom() - 5);
               t.closeSubpath();
               p.drawPath(t);
           }),
           true, 4);
    Button("pause", 26, 22, Glyph([](QPainter& p, QRectF r) {
               p.drawRect(QRectF(r.center().x() - 5, r.top() + 6, 3, r.height() - 12));
               p.drawRect(QRectF(r.center().x() + 2, r.top() + 6, 3, r.height() - 12));
           }),
           true, 4);
    Button("stop", 26, 22, Glyph([](QPainter& p, QRectF r) {
               p.drawRect(QRectF(r.center().x() - 4, r.center().y() - 4, 8, 8));
           }),
           true, 4);
    Button("add", 108, 38, Caption("Add", 14, "+"), true);
    Button("remove", 108, 38, Caption("Remove", 14, "-"), true);
    Button("clear", 108, 38, Caption("Clear", 14, "x"), true);
    Button("convert", 108, 60, Caption("Convert", 15, ">"), true, 7);
    Button("stopbutton", 108, 38, Caption("Stop", 14, "="), true);
}

void PreviewPictures() {
    QImage logo = Blank(256, 154, Navy);
    {
        QPainter p(&logo);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(128, 70, 150);
        g.setColorAt(0, Blue);
        g.setColorAt(1, Navy.darker(140));
        p.fillRect(logo.rect(), g);
        DrawProductMark(p, QRectF(98, 28, 60, 60), 6);
        p.setPen(Qt::white);
        p.setFont(Font(22));
        p.drawText(QRectF(0, 96, 256, 30), Qt::AlignCenter, "Quenvo");
        p.setPen(Sky);
        p.setFont(Font(11, false));
        p.drawText(QRectF(0, 124, 256, 18), Qt::AlignCenter, "Video converter");
    }
    Save(logo, "logo.png");

    const auto strip = [](int w, int h, const QString& name) {
        QImage image = Blank(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, QColor(196, 210, 230));
        g.setColorAt(1, QColor(160, 180, 210));
        p.setPen(QPen(QColor(130, 150, 185), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
        p.end();
        Save(image, name);
    };
    strip(265, 33, "player.png");
    strip(257, 33, "playbar.png");

    // Trim bar: the parts outside the segment and the segment itself.
    QImage outside = Blank(16, 19, QColor(120, 130, 145));
    {
        QPainter p(&outside);
        QLinearGradient g(0, 0, 0, 19);
        g.setColorAt(0, QColor(150, 158, 170));
        g.setColorAt(1, QColor(100, 108, 122));
        p.fillRect(outside.rect(), g);
    }
    Save(outside, "trim_outside.png");
    QImage inside = Blank(16, 19, Accent);
    {
        QPainter p(&inside);
        QLinearGradient g(0, 0, 0, 19);
        g.setColorAt(0, Accent.lighter(130));
        g.setColorAt(1, Accent.darker(120));
        p.fillRect(inside.rect(), g);
    }
    Save(inside, "trim_inside.png");

    // Markers: black is the background the marker fills with its own colour.
    const auto marker = [](bool start, const QString& name) {
        QImage image = Blank(18, 20, Qt::black);
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        p.setBrush(Navy);
        const qreal x = start ? 3 : 8;
        p.drawRect(QRectF(x, 1, 7, 18));
        p.setBrush(Accent);
        QPainterPath tip;
        tip.moveTo(start ? 10 : 8, 5);
        tip.lineTo(start ? 16 : 2, 10);
        tip.lineTo(start ? 10 : 8, 15);
        tip.closeSubpath();
        p.drawPath(tip);
        p.end();
        Save(image, name);
    };
    marker(true, "marker_start.png");
    marker(false, "marker_end.png");
}

void ProgressPictures() {
    Save(Shape(435, 205, 10,
               [](QPainter& p, QRectF r) {
                   QLinearGradient g(r.topLeft(), r.bottomLeft());
                   g.setColorAt(0, Blue);
                   g.setColorAt(0.18, Navy);
                   g.setColorAt(0.19, Face);
                   g.setColorAt(1, QColor(205, 216, 232));
                   p.fillRect(r, g);
                   p.setPen(QPen(Navy, 2));
                   p.setBrush(Qt::NoBrush);
                   p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 10, 10);
                   p.setPen(Qt::white);
                   p.setFont(Font(15));
                   p.drawText(QRectF(14, 4, 300, 30), Qt::AlignVCenter, "Converting");
               }),
         "converting_shape.png");
    // Six squares that light up one after another.
    for (int i = 0; i < 6; ++i) {
        QImage image = Blank(17, 17);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor lit = QColor::fromHsv(28, 40 + i * 43, 255);
        p.setPen(QPen(Navy, 1));
        p.setBrush(lit);
        p.drawRoundedRect(QRectF(0.5, 0.5, 16, 16), 3, 3);
        p.end();
        Save(image, QString("anim%1.png").arg(i));
    }
}

// The application's icon: the product mark on a rounded blue tile.
QImage IconPicture(int size) {
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient g(0, 0, 0, 64);
    g.setColorAt(0, Blue);
    g.setColorAt(1, Navy);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    DrawProductMark(p, QRectF(12, 12, 40, 40), 5);
    p.end();
    return image;
}

void Icon() {
    Save(IconPicture(48), "icon.png");
}

// The desktop's icons, one for each size the icon theme offers.
void DesktopIcons() {
    for (int size : {48, 64, 128, 256})
        Save(IconPicture(size), QString("desktop_icon_%1.png").arg(size));
}

void Splash() {
    QImage image = Blank(480, 280);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 480, 280);
    g.setColorAt(0, Blue);
    g.setColorAt(1, Navy.darker(150));
    p.fillRect(image.rect(), g);
    DrawProductMark(p, QRectF(40, 70, 120, 120), 8);
    p.setPen(Qt::white);
    p.setFont(Font(44));
    p.drawText(QRectF(180, 80, 290, 60), Qt::AlignVCenter, "Quenvo");
    p.setPen(Sky);
    p.setFont(Font(16, false));
    p.drawText(QRectF(182, 140, 290, 30), Qt::AlignVCenter, "Batch video converter");
    p.setPen(QColor(190, 205, 230));
    p.setFont(Font(12, false));
    p.drawText(QRectF(0, 240, 468, 24), Qt::AlignRight | Qt::AlignVCenter, "Orvane Soft");
    p.end();
    Save(image, "splash.jpg", "JPEG", 92);
}

void DrawPictures() {
    MainShape();
    TitleBanner();
    SystemButtons();
    WorkingButtons();
    PreviewPictures();
    ProgressPictures();
    Icon();
    Splash();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    OutFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + "/";
    QDir().mkpath(OutFolder);
    for (const int scale : {1, 2}) {
        Scale = scale;
        DrawPictures();
    }
    // The icon theme's sizes are device pixels already.
    Scale = 1;
    DesktopIcons();
    return 0;
}
