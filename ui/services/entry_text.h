#pragma once

#include <QByteArray>
#include <QString>

#include <string_view>

namespace orvanta {

// An entry's text as the calculation reads it, in UTF-8: converted once, and then not copied
// again however long a paste made it.
class EntryText {
public:
    explicit EntryText(const QString& text) : utf8_(text.toUtf8()) {}

    std::string_view view() const { return {utf8_.constData(), static_cast<std::size_t>(utf8_.size())}; }

private:
    QByteArray utf8_;
};

}  // namespace orvanta
