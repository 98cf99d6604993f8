#include <orvik3/Error.h>

#include <new>

namespace orvik3 {

Error::Error(ErrorKind kind, const QString &message)
    : std::runtime_error((kindName(kind) + QStringLiteral(": ") + message).toStdString())
    , m_kind(kind)
    , m_detail(message)
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
    case ErrorKind::OutOfMemory: return QStringLiteral("out of memory");
    }
    return QStringLiteral("error");
}

Error Error::from(const std::exception &e)
{
    if (const auto *error = dynamic_cast<const Error *>(&e))
        return *error;
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return Error(ErrorKind::OutOfMemory, QStringLiteral("not enough memory to finish; nothing was changed"));
    return Error(ErrorKind::ControlFailure, QStringLiteral("unexpected failure: %1").arg(QString::fromLocal8Bit(e.what())));
}

} // namespace orvik3
