#include "windows/testmemo_form.h"

#include "ui_testmemo_form.h"
#include "widgets/fensterplatz.h"
#include "widgets/meldungen.h"

#include <QAction>

namespace orbisto {

TTestMemoForm::TTestMemoForm(QWidget* hauptfenster)
    : QMainWindow(hauptfenster), ui(std::make_unique<Ui::TTestMemoForm>())
{
    ui->setupUi(this);

    QFont schrift(QStringLiteral("Courier"));
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    ui->TM->setFont(schrift);
    ui->TM->clear();

    connect(ui->FixierenMen, &QAction::triggered, this, [this] { FehlerAbfangen([this] { FixierenMenClick(); }); });
    connect(ui->LoeschenMen, &QAction::triggered, this, [this] { FehlerAbfangen([this] { LoeschenMenClick(); }); });
    connect(ui->SchliessenMen, &QAction::triggered, this, [this] { FehlerAbfangen([this] { SchliessenMenClick(); }); });
}

TTestMemoForm::~TTestMemoForm() = default;

QPlainTextEdit* TTestMemoForm::TM() const { return ui->TM; }

void TTestMemoForm::Zeigen()
{
    show();
    raise();
    activateWindow();
}

void TTestMemoForm::FixierenMenClick()
{
    const bool oben = !ObenGehalten(this);
    ObenHalten(this, oben);
    ui->FixierenMen->setText(oben ? QStringLiteral("Normal") : QStringLiteral("Fixieren"));
}

void TTestMemoForm::LoeschenMenClick() { ui->TM->clear(); }

void TTestMemoForm::SchliessenMenClick() { close(); }

}  // namespace orbisto
