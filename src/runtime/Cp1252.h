#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>
#include <string_view>

// Stored and typed text is cp1252 bytes; widgets hold QString. These are the one crossing
// between the two. Every byte decodes to a character and encodes back to itself (the five
// bytes Windows leaves undefined become U+0081 and its kin); a character without a cp1252
// form encodes as "?".

QString fromCp1252(QByteArrayView bytes);
QString fromCp1252(std::string_view bytes);
QByteArray toCp1252(const QString& text);
std::string toCp1252String(const QString& text);
