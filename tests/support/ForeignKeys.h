#pragma once

#include <QByteArray>

// A settings file as another tool or a careless script could leave it: the program's own
// store with `count` keys of other programs beside it, each holding one text value of
// `valueLength` characters.
QByteArray withForeignKeys(const QByteArray &store, int count, int valueLength = 20);
