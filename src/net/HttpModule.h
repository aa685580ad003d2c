#pragma once
// The entry point of the HTTP module quintara_net.so: the program's one way to Qt Network.
#include "net/HttpGetter.h"

#include <QtGlobal>

// A new HttpClient; the caller owns it (deleting it through HttpGetter runs the module's code).
extern "C" Q_DECL_EXPORT HttpGetter* quintara_create_http_getter();
