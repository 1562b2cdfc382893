#include "ApplicationLook.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QtTest>

class TestApplicationLook : public QObject {
    Q_OBJECT
private slots:
    void fontAsAsked();
    void textsRenderAtARegularFace();
};

void TestApplicationLook::fontAsAsked()
{
    ApplicationLook::apply();
    const QFont font = QApplication::font();
    QCOMPARE(font.family(), QStringLiteral("Trebuchet MS"));
    QCOMPARE(font.pointSize(), 8);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
}

// What a label really draws with: where the family is missing, fontconfig's
// substitute must come at its regular face, not a thin or light one.
void TestApplicationLook::textsRenderAtARegularFace()
{
    ApplicationLook::apply();
    QLabel label(QStringLiteral("Download Panel"));
    const QFontInfo shown(label.font());
    QVERIFY2(shown.weight() >= QFont::Normal,
             qPrintable(QStringLiteral("%1 %2 at weight %3").arg(shown.family(), shown.styleName()).arg(shown.weight())));
    QCOMPARE(shown.pointSize(), 8);
}

QTEST_MAIN(TestApplicationLook)
#include "tst_ApplicationLook.moc"
