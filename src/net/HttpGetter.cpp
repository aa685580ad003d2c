#include "net/HttpGetter.h"

// Apart from HttpClient: the program reads results without linking the client (and Qt Network).
QString HttpResult::failureText() const {
    if (!errorText.isEmpty()) return errorText;
    return QString::number(statusCode) + QLatin1Char(' ') + statusText;
}
