#include "gui/WavSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

WavSound::WavSound() = default;
WavSound::~WavSound() = default;

void WavSound::play(const QString& wavPath) {
    if (!QFileInfo::exists(wavPath)) return;
    if (!m_effect) m_effect = std::make_unique<QSoundEffect>();
    const QUrl url = QUrl::fromLocalFile(wavPath);
    m_effect->stop();
    if (m_effect->source() != url) m_effect->setSource(url);
    m_effect->play();
}
