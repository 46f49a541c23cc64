#pragma once

#include <QIODevice>

class CReplacingFile;

// Qt's writers (QImage, QPdfWriter, the SVG device) writing into a
// CReplacingFile, so that pictures reach the disk by the same path as every
// other file. Qt's own file classes take a short write on a full disk for
// success, and QPdfWriter ignores what its writes return: here every failed
// write is remembered by the file and fails its commit. Write-only and
// sequential.
class CReplacingDevice : public QIODevice {
public:
    explicit CReplacingDevice(CReplacingFile& file);

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    CReplacingFile& m_file;
};
