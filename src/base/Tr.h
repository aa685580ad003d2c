#pragma once
#include <QCoreApplication>
#include <QString>

// A text kept as its German source (a constant marked with QT_TRANSLATE_NOOP), in the
// player's language: looked up in the installed message catalogues, the source itself when
// none holds it.
inline QString translated(const char* context, const QString& source) {
    return QCoreApplication::translate(context, source.toUtf8().constData());
}
