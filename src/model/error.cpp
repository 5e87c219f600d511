#include "model/error.h"

namespace lumetra {

Error::Error(const QString &text, const QString &subject)
    : std::runtime_error(text.toStdString()), m_text(text), m_subject(subject)
{
}

} // namespace lumetra
