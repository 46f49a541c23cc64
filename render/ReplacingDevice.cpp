#include "ReplacingDevice.h"

#include "ReplacingFile.h"

CReplacingDevice::CReplacingDevice(CReplacingFile& file)
    : m_file(file)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 CReplacingDevice::readData(char* /*data*/, qint64 /*maxSize*/) { return -1; }

qint64 CReplacingDevice::writeData(const char* data, qint64 size)
{
    if (m_file.Write(data, static_cast<std::size_t>(size)))
        return size;
    setErrorString(QString::fromStdString(m_file.WriteError()));
    return -1;
}
