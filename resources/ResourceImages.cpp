#include "resources/ResourceImages.h"

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
constexpr HotSpot kHotSpots[] = {{1204, 9, 22}};

// Every resource file whose name starts with kind-number-, e.g. "tab-152-".
QStringList ResourceFiles(const char* kind, int id) {
    const QDir dir(QStringLiteral(":/quillet"));
    const QString pattern = QStringLiteral("%1-%2[-.]*").arg(QLatin1String(kind)).arg(id);
    QStringList files;
    for (const QString& name : dir.entryList({pattern}, QDir::Files, QDir::Name)) {
        files << dir.filePath(name);
    }
    return files;
}

QImage LoadPicture(const char* kind, int id) {
    const QStringList files = ResourceFiles(kind, id);
    QImage best;
    for (const QString& file : files) {
        QImage image(file);
        if (!image.isNull() && image.width() > best.width()) {
            best = image;
        }
    }
    return best.convertToFormat(QImage::Format_ARGB32);
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

QImage LoadToolBarStrip(int id) {
    QImage strip = LoadPicture("toolbar", id);
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

QImage LoadTabImage(int id, const QColor& highlight) {
    QImage image = LoadPicture("tab", id);
    MapColour(image, kMagenta, highlight.rgb());
    MapColour(image, kLightGrey, qRgba(0, 0, 0, 0));
    return image;
}

QImage LoadCheckImage(const QColor& shadow, const QColor& face, const QColor& highlight) {
    QImage image = LoadPicture("bitmap", 139);
    // Light grey first, in case the shadow colour is light grey itself.
    MapColour(image, kLightGrey, face.rgb());
    MapColour(image, kGrey, shadow.rgb());
    MapColour(image, highlight.rgb(), qRgba(0, 0, 0, 0));
    return image;
}

QImage LoadIconImage(int id) {
    return LoadPicture("icon", id);
}

QIcon LoadIcon(int id) {
    QIcon icon;
    for (const QString& file : ResourceFiles("icon", id)) {
        const QImage image(file);
        if (!image.isNull()) {
            icon.addPixmap(CrispPixmap(image, 1.0));
            icon.addPixmap(CrispPixmap(image, 2.0));
        }
    }
    return icon;
}

QIcon ProgramIcon() {
    return LoadIcon(128);
}

QCursor LoadCursor(int id) {
    const QStringList files = ResourceFiles("cursor", id);
    const QImage image = files.isEmpty() ? QImage() : QImage(files.front());
    if (image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    const auto* hot = std::ranges::find(kHotSpots, id, &HotSpot::cursor);
    if (hot == std::end(kHotSpots)) {
        return QCursor(QPixmap::fromImage(image));
    }
    return QCursor(QPixmap::fromImage(image), hot->x, hot->y);
}

QPixmap CrispPixmap(const QImage& image, qreal devicePixelRatio) {
    const int factor = std::max(1, static_cast<int>(std::ceil(devicePixelRatio - 0.01)));
    QPixmap pixmap =
        QPixmap::fromImage(factor == 1 ? image
                                       : image.scaled(image.size() * factor, Qt::IgnoreAspectRatio,
                                                      Qt::FastTransformation));
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}

QIcon CrispIcon(const QImage& image) {
    QIcon icon;
    if (!image.isNull()) {
        icon.addPixmap(CrispPixmap(image, 1.0));
        icon.addPixmap(CrispPixmap(image, 2.0));
    }
    return icon;
}

} // namespace quillet
