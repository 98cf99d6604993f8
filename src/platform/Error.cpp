#include <orvik3/Error.h>

namespace orvik3 {

Error::Error(ErrorKind kind, const QString &message)
    : std::runtime_error((kindName(kind) + QStringLiteral(": ") + message).toStdString())
    , m_kind(kind)
{
}

QString Error::kindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::Overflow: return QStringLiteral("overflow");
    case ErrorKind::IndexOutOfRange: return QStringLiteral("index out of range");
    case ErrorKind::TypeMismatch: return QStringLiteral("type mismatch");
    case ErrorKind::MissingText: return QStringLiteral("missing text");
    case ErrorKind::StoreFailure: return QStringLiteral("store failure");
    case ErrorKind::ControlFailure: return QStringLiteral("control failure");
    case ErrorKind::FileFailure: return QStringLiteral("file failure");
    }
    return QStringLiteral("error");
}

} // namespace orvik3
