#include "YJAbout.h"
#include "ui_YJAbout.h"

#include "Pictures.h"
#include "ScreenCentre.h"

QPointer<TFrmYJAbout> FrmYJAbout;

TFrmYJAbout::TFrmYJAbout(QWidget *parent) : QDialog(parent), ui(new Ui::TFrmYJAbout)
{
    ui->setupUi(this);
    // Created anew for every showing; freed once closed.
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(size());
    CentreOnScreen(this);
    ui->Image1->setPixmap(AboutPicture(ui->Image1->width(), ui->Image1->height()));
    ui->BitBtn1->setIcon(CloseButtonIcon());
    connect(ui->BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(ui->BitBtn1); });
}

TFrmYJAbout::~TFrmYJAbout() = default;

void TFrmYJAbout::BitBtn1Click(QObject *)
{
    if (FrmYJAbout)
        FrmYJAbout->close();
    else
        close();
}
