#include "platform/TextMimeData.h"

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QStringList>

namespace quillet {
namespace {

constexpr QLatin1String kPlainText("text/plain");

// The name the data uses for `format`: senders differ in the case of the charset.
std::optional<QString> Offered(const QMimeData& data, QLatin1String format) {
    for (const QString& offered : data.formats()) {
        if (offered.compare(format, Qt::CaseInsensitive) == 0) {
            return offered;
        }
    }
    return std::nullopt;
}

} // namespace

std::unique_ptr<QMimeData> MakeTextMimeData(std::string_view cp932) {
    auto data = std::make_unique<QMimeData>();
    const QString text = FromCp932(cp932);
    // setText also offers the bare "text/plain" that most programs paste from.
    data->setText(text);
    data->setData(kUtf8TextMime, text.toUtf8());
    data->setData(kCp932TextMime, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
    return data;
}

std::unique_ptr<QMimeData> MakeUtf8TextMimeData(std::string_view utf8) {
    auto data = std::make_unique<QMimeData>();
    const QByteArray bytes(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QString text = QString::fromUtf8(bytes);
    data->setText(text);
    data->setData(kUtf8TextMime, bytes);
    if (const std::string cp932 = ToCp932(text); FromCp932(cp932) == text) {
        data->setData(kCp932TextMime,
                      QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
    }
    return data;
}

bool OffersPlainText(const QMimeData& data) {
    return Offered(data, QLatin1String(kCp932TextMime)) ||
           Offered(data, QLatin1String(kUtf8TextMime)) || Offered(data, kPlainText);
}

std::optional<QString> DroppedText(const QMimeData& data) {
    if (const std::optional<QString> format = Offered(data, QLatin1String(kCp932TextMime))) {
        QByteArray bytes = data.data(*format);
        // Programs that copy C strings send the terminating zero along.
        while (bytes.endsWith('\0')) {
            bytes.chop(1);
        }
        return FromCp932(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    }
    for (const QLatin1String candidate : {QLatin1String(kUtf8TextMime), kPlainText}) {
        if (const std::optional<QString> format = Offered(data, candidate)) {
            return QString::fromUtf8(data.data(*format));
        }
    }
    return std::nullopt;
}

} // namespace quillet
