#include "resources/ResourceImages.h"

#include "resources/ResourceIds.h"

#include <QDir>
#include <QFile>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace quillet {

namespace {

constexpr QRgb kLightGrey = qRgb(192, 192, 192);
constexpr QRgb kMagenta = qRgb(255, 0, 255);
constexpr QRgb kGrey = qRgb(128, 128, 128);

struct HotSpot {
    int cursor;
    int x;
    int y;
};

// Where each cursor points: the eyedropper at its lower-left tip.
constexpr HotSpot kHotSpots[] = {{resource::EyedropperCursor, 9, 22}};

const QString kDoubled = QStringLiteral("@2x");

// Every picture as drawn whose name starts with kind-number-, e.g. "tab-152-".
QStringList ResourceFiles(const char* kind, int id) {
    const QDir dir(QStringLiteral(":/quillet"));
    const QString pattern = QStringLiteral("%1-%2[-.]*").arg(QLatin1String(kind)).arg(id);
    QStringList files;
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name)) {
        if (!name.contains(kDoubled)) {
            files << dir.filePath(name);
        }
    }
    return files;
}

QImage ReadImage(const QString& file) {
    QImage image = QImage(file).convertToFormat(QImage::Format_ARGB32);
    // Sizes are counted in the image's own pixels here; the pixmaps say the density.
    image.setDevicePixelRatio(1.0);
    return image;
}

// The picture in `file` and its double beside it, when that is exactly twice the size.
PixelArt ReadPixelArt(const QString& file) {
    PixelArt art{ReadImage(file), {}};
    const int dot = static_cast<int>(file.lastIndexOf('.'));
    QImage doubled = ReadImage(file.left(dot) + kDoubled + file.mid(dot));
    if (!art.IsNull() && doubled.size() == art.Size() * 2) {
        art.doubled = std::move(doubled);
    }
    return art;
}

PixelArt LoadPicture(const char* kind, int id) {
    PixelArt best;
    for (const QString& file : ResourceFiles(kind, id)) {
        PixelArt art = ReadPixelArt(file);
        if (art.Size().width() > best.Size().width()) {
            best = std::move(art);
        }
    }
    return best;
}

// Replaces exact colours; `to` may be transparent.
void MapColour(QImage& image, QRgb from, QRgb to) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 255 && (line[x] & RGB_MASK) == (from & RGB_MASK)) {
                line[x] = to;
            }
        }
    }
}

// The same in both sizes.
void MapColour(PixelArt& art, QRgb from, QRgb to) {
    MapColour(art.normal, from, to);
    MapColour(art.doubled, from, to);
}

// The image scaled by a whole `factor` without smoothing, shown at `ratio`.
QPixmap Blocky(const QImage& image, int factor, int ratio) {
    QPixmap pixmap =
        QPixmap::fromImage(factor == 1 ? image
                                       : image.scaled(image.size() * factor, Qt::IgnoreAspectRatio,
                                                      Qt::FastTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

int WholeFactor(qreal devicePixelRatio) {
    return std::max(1, static_cast<int>(std::ceil(devicePixelRatio - 0.01)));
}

} // namespace

std::optional<ToolBarLayout> LoadToolBarLayout(int id) {
    QFile file(QStringLiteral(":/quillet/toolbar-%1.layout").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    auto layout = ParseToolBarLayout(std::string_view(bytes.constData(), bytes.size()));
    if (!layout) {
        return std::nullopt;
    }
    return std::move(layout).Value();
}

PixelArt LoadToolBarStrip(int id) {
    PixelArt strip = LoadPicture("toolbar", id);
    MapColour(strip, kLightGrey, qRgba(0, 0, 0, 0));
    return strip;
}

QImage StripImage(const QImage& strip, QSize size, int index) {
    if (index < 0 || size.isEmpty() || size.height() > strip.height() ||
        size.width() > strip.width() || index > (strip.width() - size.width()) / size.width()) {
        return {};
    }
    return strip.copy(index * size.width(), 0, size.width(), size.height());
}

PixelArt StripImage(const PixelArt& strip, QSize size, int index) {
    return {StripImage(strip.normal, size, index), StripImage(strip.doubled, size * 2, index)};
}

PixelArt LoadTabImage(int id, const QColor& highlight) {
    PixelArt image = LoadPicture("tab", id);
    MapColour(image, kMagenta, highlight.rgb());
    MapColour(image, kLightGrey, qRgba(0, 0, 0, 0));
    return image;
}

PixelArt LoadCheckImage(const QColor& shadow, const QColor& face, const QColor& highlight) {
    PixelArt image = LoadPicture("bitmap", resource::CheckBitmap);
    // Light grey first, in case the shadow colour is light grey itself.
    MapColour(image, kLightGrey, face.rgb());
    MapColour(image, kGrey, shadow.rgb());
    MapColour(image, highlight.rgb(), qRgba(0, 0, 0, 0));
    return image;
}

PixelArt LoadIconImage(int id) {
    return LoadPicture("icon", id);
}

QIcon LoadIcon(int id) {
    QIcon icon;
    for (const QString& file : ResourceFiles("icon", id)) {
        const PixelArt art = ReadPixelArt(file);
        if (!art.IsNull()) {
            icon.addPixmap(CrispPixmap(art, 1.0));
            icon.addPixmap(CrispPixmap(art, 2.0));
        }
    }
    return icon;
}

QIcon ProgramIcon() {
    return LoadIcon(128);
}

QCursor LoadCursor(int id, qreal devicePixelRatio) {
    const PixelArt art = LoadPicture("cursor", id);
    if (art.IsNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    const QPixmap pixmap = CrispPixmap(art, devicePixelRatio);
    const auto* hot = std::ranges::find(kHotSpots, id, &HotSpot::cursor);
    if (hot == std::end(kHotSpots)) {
        return QCursor(pixmap);
    }
    // The X11 platform takes the hot spot in the pixmap's pixels, unscaled.
    const int factor = static_cast<int>(pixmap.devicePixelRatio());
    return QCursor(pixmap, hot->x * factor, hot->y * factor);
}

QPixmap CrispPixmap(const QImage& image, qreal devicePixelRatio) {
    const int factor = WholeFactor(devicePixelRatio);
    return Blocky(image, factor, factor);
}

QPixmap CrispPixmap(const PixelArt& art, qreal devicePixelRatio) {
    const int factor = WholeFactor(devicePixelRatio);
    if (factor % 2 == 0 && !art.doubled.isNull()) {
        return Blocky(art.doubled, factor / 2, factor);
    }
    return Blocky(art.normal, factor, factor);
}

QIcon CrispIcon(const PixelArt& art) {
    QIcon icon;
    if (!art.IsNull()) {
        icon.addPixmap(CrispPixmap(art, 1.0));
        icon.addPixmap(CrispPixmap(art, 2.0));
    }
    return icon;
}

} // namespace quillet
