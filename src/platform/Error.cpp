#include <orvik3/Error.h>

#include <new>

#include <QCoreApplication>

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
    case ErrorKind::Overflow: return QCoreApplication::translate("orvik3::Error", "overflow");
    case ErrorKind::IndexOutOfRange: return QCoreApplication::translate("orvik3::Error", "index out of range");
    case ErrorKind::TypeMismatch: return QCoreApplication::translate("orvik3::Error", "type mismatch");
    case ErrorKind::MissingText: return QCoreApplication::translate("orvik3::Error", "missing text");
    case ErrorKind::StoreFailure: return QCoreApplication::translate("orvik3::Error", "store failure");
    case ErrorKind::ControlFailure: return QCoreApplication::translate("orvik3::Error", "control failure");
    case ErrorKind::FileFailure: return QCoreApplication::translate("orvik3::Error", "file failure");
    case ErrorKind::OutOfMemory: return QCoreApplication::translate("orvik3::Error", "out of memory");
    }
    return QCoreApplication::translate("orvik3::Error", "error");
}

Error Error::from(const std::exception &e)
{
    if (const auto *error = dynamic_cast<const Error *>(&e))
        return *error;
    if (dynamic_cast<const std::bad_alloc *>(&e))
        return Error(ErrorKind::OutOfMemory, QCoreApplication::translate("orvik3::Error", "not enough memory to finish; nothing was changed"));
    return Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "unexpected failure: %1").arg(QString::fromLocal8Bit(e.what())));
}

} // namespace orvik3
