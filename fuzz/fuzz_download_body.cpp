// The body of a results-server answer is outside input; parsing, validating and showing it
// must never fault, whatever the server sends.
#include "FuzzSupport.h"
#include "base/Errors.h"
#include "history/DrawDownload.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const double date = in.value<double>();
    const QByteArray body = in.rest();
    for (const QString& text : {QString::fromUtf8(body), QString::fromLatin1(body)}) {
        try {
            const DrawAnswer answer = DrawAnswer::parse(text);
            const QString reason = answer.invalidReason();
            if (reason.isEmpty()) {
                for (int n : answer.numbers)
                    if (n < 1 || n > 49) __builtin_trap();
            }
            (void)DrawDownload::drawText(date, answer);
        } catch (const AppError&) {
        }
    }
    (void)DrawDownload::nextRequestDate(date);
    (void)DrawDownload::parseServerAddress(QString::fromLatin1(body.left(200)));
    return 0;
}
