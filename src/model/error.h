#pragma once

#include <QString>

#include <stdexcept>

namespace lumetra {

// The one exception type of the core. text() is the message exactly as the
// user sees it; subject() names the file or key it concerns, if any.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &text, const QString &subject = QString());

    const QString &text() const { return m_text; }
    const QString &subject() const { return m_subject; }

private:
    QString m_text;
    QString m_subject;
};

} // namespace lumetra
