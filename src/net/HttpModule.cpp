#include "net/HttpModule.h"

#include "net/HttpClient.h"

HttpGetter* quintara_create_http_getter() {
    return new HttpClient;
}
