#include "output/TextMimeData.h"

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QMimeData>

namespace quillet {

std::unique_ptr<QMimeData> MakeTextMimeData(std::string_view cp932) {
    auto data = std::make_unique<QMimeData>();
    const QString text = FromCp932(cp932);
    // setText also offers the bare "text/plain" that most programs paste from.
    data->setText(text);
    data->setData(kUtf8TextMime, text.toUtf8());
    data->setData(kCp932TextMime, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
    return data;
}

} // namespace quillet
