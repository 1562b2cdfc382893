#pragma once
#include "InterfaceRaw.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QFile;
class QSaveFile;

// A ".conf" memory image in the panel's place: page n at file byte n * 256.
//
// Import reads an existing image of exactly ImageSize bytes, opened read-only.
// Export builds the image in memory (every page 0xFF until written) and writes it
// through a QSaveFile when the upload is finished, so a failed or aborted export
// leaves the previous file as it was.
class FileRaw : public QObject, public InterfaceRaw {
    Q_OBJECT
public:
    static constexpr int PageCount = 0x1000;
    static constexpr qint64 ImageSize = qint64(PageCount) * PanelLink::PageSize;

    enum Mode { NoFile, Import, Export };

    FileRaw();
    ~FileRaw() override;

    // File dialogs; the chosen name is stored (empty when cancelled).
    QString chooseOpenFile();
    QString chooseSaveFile();

    // The same without a dialog.
    void setImportFile(const QString &fileName);
    QString prepareImage(const QString &fileName);

    QString fileName() const { return m_fileName; }
    Mode mode() const { return m_mode; }

    bool open() override;
    bool close() override;
    bool readPage(quint16 page, quint8 buffer[PanelLink::PageSize]) override;
    bool writePage(quint16 page, const quint8 buffer[PanelLink::PageSize]) override;
    // Export: writes the whole image and replaces the target file; true when it did.
    bool finishUpload() override;

private:
    QFile *file = nullptr;        // import
    QSaveFile *m_saveFile = nullptr; // export
    QByteArray m_image;           // export
    QString m_fileName;
    Mode m_mode = NoFile;
    bool m_committed = false;
};
