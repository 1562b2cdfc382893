#pragma once
#include <QByteArray>
#include <QList>
#include <QVector>

#include <memory>

class PanelConfig;
class USBDataConfig;

// The simulated panel filled and read the way the transfer tests need it:
// through a bare transfer engine, so the reference requests and pages are the
// engine's own.
namespace SimSite {
// The sections of an upload / a download in the procedures' order, on a
// connected engine with its panel set.
bool engineUpload(USBDataConfig &engine);
bool engineDownload(USBDataConfig &engine);
// Resets the simulated panel and puts `panel` into its memory as an upload
// to a fresh panel would, with the given access code on page 3; request and
// transfer logs start empty. Returns the pages the upload wrote.
QList<int> load(const PanelConfig &panel, const QByteArray &accessCode = "5813");
// The requests of a bare engine's download of `panel` (after load), and what it read.
QList<QByteArray> referenceDownload(const PanelConfig &panel, std::unique_ptr<PanelConfig> *read = nullptr);
// The requests of a bare engine's upload of `panel` to a fresh panel; the
// simulated panel is reset afterwards.
QList<QByteArray> referenceUpload(const PanelConfig &panel);
// Every page of the simulated panel, page 0 first.
QVector<QByteArray> pages();
} // namespace SimSite
