#include "FileRaw.h"

#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QSaveFile>

#include <cstring>

FileRaw::FileRaw() = default;

FileRaw::~FileRaw()
{
    close();
}

QString FileRaw::chooseOpenFile()
{
    const QString name = QFileDialog::getOpenFileName(nullptr, tr("Open Conf file"), QStringLiteral("."),
                                                      tr("Conf Files (*.conf)"));
    setImportFile(name);
    return m_fileName;
}

QString FileRaw::chooseSaveFile()
{
    const QString name = QFileDialog::getSaveFileName(nullptr, tr("Save Conf file"), QStringLiteral("."),
                                                      tr("Conf Files (*.conf)"));
    return prepareImage(name);
}

void FileRaw::setImportFile(const QString &fileName)
{
    m_fileName = fileName;
    m_mode = fileName.isEmpty() ? NoFile : Import;
}

QString FileRaw::prepareImage(const QString &fileName)
{
    m_fileName = fileName;
    m_mode = fileName.isEmpty() ? NoFile : Export;
    return m_fileName;
}

bool FileRaw::open()
{
    close();
    bool ok = false;
    if (m_mode == Import) {
        file = new QFile(m_fileName);
        ok = file->open(QIODevice::ReadOnly) && file->size() == ImageSize;
        if (!ok) {
            delete file;
            file = nullptr;
        }
    } else if (m_mode == Export) {
        m_saveFile = new QSaveFile(m_fileName);
        ok = m_saveFile->open(QIODevice::WriteOnly);
        if (ok) {
            m_image = QByteArray(int(ImageSize), char(0xFF));
            m_committed = false;
        } else {
            delete m_saveFile;
            m_saveFile = nullptr;
        }
    }
    qDebug() << (ok ? "file opened" : "error opening file");
    return ok;
}

bool FileRaw::close()
{
    if (file) {
        file->close();
        delete file;
        file = nullptr;
    }
    if (m_saveFile) {
        // Not finished: the target file keeps its previous content.
        if (!m_committed)
            m_saveFile->cancelWriting();
        delete m_saveFile;
        m_saveFile = nullptr;
    }
    m_image.clear();
    return true;
}

bool FileRaw::readPage(quint16 page, quint8 *buffer)
{
    if (page >= PageCount)
        return false;
    const qint64 offset = qint64(page) * PanelLink::PageSize;
    if (file) {
        if (!file->seek(offset))
            return false;
        return file->read(reinterpret_cast<char *>(buffer), PanelLink::PageSize) == PanelLink::PageSize;
    }
    if (m_saveFile && !m_committed) {
        std::memcpy(buffer, m_image.constData() + offset, PanelLink::PageSize);
        return true;
    }
    return false;
}

bool FileRaw::writePage(quint16 page, const quint8 *buffer)
{
    if (page >= PageCount || !m_saveFile || m_committed)
        return false;
    std::memcpy(m_image.data() + qint64(page) * PanelLink::PageSize, buffer, PanelLink::PageSize);
    return true;
}

bool FileRaw::finishUpload()
{
    if (!m_saveFile)
        return m_mode != Export;
    if (m_committed)
        return true;
    if (m_saveFile->write(m_image) != m_image.size()) {
        m_saveFile->cancelWriting();
        return false;
    }
    m_committed = m_saveFile->commit();
    return m_committed;
}
