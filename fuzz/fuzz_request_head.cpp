// The draw server's request parser sees whatever a client sends, cut into reads anywhere. The
// input is split into reads; each read is parsed the way the server does it, resuming from the
// saved place, and every complete head is answered.
#include "FuzzSupport.h"
#include "server/DrawServer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const qsizetype maxBytes = 16 + in.byte() * 64;
    static const DrawServer server{DrawTable{}};
    QByteArray buffer;
    qsizetype scanned = 0;
    for (int reads = 0; reads < 1000; ++reads) {
        if (in.atEnd()) break;
        const QByteArray piece = in.part();
        buffer += piece;
        for (;;) {
            const qsizetype before = scanned;
            const RequestHead h = RequestHead::parse(buffer, scanned, maxBytes);
            if (h.state == RequestHead::State::Incomplete) {
                // The saved place never goes back and never passes the data.
                if (scanned < before || scanned > buffer.size()) __builtin_trap();
                break;
            }
            if (h.state != RequestHead::State::Complete) {
                buffer.clear();
                scanned = 0;
                break;
            }
            if (h.length <= 0 || h.length > buffer.size() || h.length > maxBytes + 4) __builtin_trap();
            if (h.method.isEmpty() || h.target.isEmpty()) __builtin_trap();
            const DrawServer::Answer a = server.answer(h.method, h.target);
            if (a.status != 200 && a.status != 400 && a.status != 404 && a.status != 405) __builtin_trap();
            buffer.remove(0, h.length);
            scanned = 0;
        }
    }
    return 0;
}
