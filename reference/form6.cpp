#include "reference/form6.h"

#include "shell/errors32.h"
#include "ui/accessibility.h"
#include "ui/design.h"
#include "ui/events.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace reference {

using namespace ERRORS32;

namespace {

constexpr int kClientWidth = 10995;
constexpr int kClientHeight = 7000;
constexpr const char* kPictureProperty = "pictureFile";
constexpr const char* kDataFolder = "orvanedemo/terrasond/";

// The small pictures can be reached by Tab only while the large picture does not cover
// them.
class CoverWatch : public QObject {
public:
    CoverWatch(QLabel* cover, QList<QLabel*> covered)
        : QObject(cover), m_cover(cover), m_covered(std::move(covered)) {
        cover->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Show || e->type() == QEvent::Hide) update();
        return false;
    }

private:
    void update() {
        for (QLabel* l : std::as_const(m_covered))
            ui::setActivatable(l, m_cover->isHidden());
    }
    QLabel* m_cover;
    QList<QLabel*> m_covered;
};

using ui::Kind;
constexpr ui::DesignRow kDesign[] = {
    // name, kind, parent, left, top, width, height, caption, alias
    {"Frame1", Kind::Frame, "", 120, 60, 9000, 6820, "", "picture area"},
    // The small pictures lie under the large one, which covers the whole picture area.
    {"Image2", Kind::Picture, "Frame1", 120, 300, 4320, 3140, "", "Kawasaki view 1"},
    {"Image3", Kind::Picture, "Frame1", 4560, 300, 4320, 3140, "", "Kawasaki view 2"},
    {"Image4", Kind::Picture, "Frame1", 120, 3560, 4320, 3140, "", "Kawasaki view 3"},
    {"Image5", Kind::Picture, "Frame1", 4560, 3560, 4320, 3140, "", "Kawasaki view 4"},
    {"Image1", Kind::Picture, "Frame1", 120, 300, 8760, 6400, "", "large picture"},
    {"Command1", Kind::Button, "", 9300, 360, 1575, 480, "Bombardier", "Bombardier socket"},
    {"Command3", Kind::Button, "", 9300, 960, 1575, 480, "Polaris", "Polaris socket"},
    {"Command4", Kind::Button, "", 9300, 1560, 1575, 480, "Kawasaki", "Kawasaki sockets"},
    {"Command2", Kind::Button, "", 9300, 6400, 1575, 480, "Exit", "Exit"},
};

} // namespace

Form6::Form6(QWidget* parent) : ui::Form(parent) {
    setWindowTitle(QStringLiteral("Sockets"));

    const ui::Design design(this, kDesign);
    design.get({{Frame1, "Frame1"},
                {Image2, "Image2"},
                {Image3, "Image3"},
                {Image4, "Image4"},
                {Image5, "Image5"},
                {Image1, "Image1"},
                {Command1, "Command1"},
                {Command3, "Command3"},
                {Command4, "Command4"},
                {Command2, "Command2"}});
    for (QLabel* image : {Image2, Image3, Image4, Image5, Image1})
        image->setAlignment(Qt::AlignCenter);
    // Opaque, so that it hides the small pictures even while it shows nothing.
    Image1->setAutoFillBackground(true);
    Image1->raise();

    connect(Command1, &QPushButton::clicked, this, &Form6::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form6::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form6::Command4_Click);
    connect(Command2, &QPushButton::clicked, this, &Form6::Command2_Click);
    ui::onEscape(Command2, [this] { unload(); });
    ui::onClick(Image2, [this] { Image2_Click(); });
    ui::onClick(Image3, [this] { Image3_Click(); });
    ui::onClick(Image4, [this] { Image4_Click(); });
    ui::onClick(Image5, [this] { Image5_Click(); });
    // The keyboard reaches the buttons first, then the small pictures (Space or Enter
    // enlarges one), then Exit.
    ui::makeActivatable(Image2, [this] { Image2_Click(); });
    ui::makeActivatable(Image3, [this] { Image3_Click(); });
    ui::makeActivatable(Image4, [this] { Image4_Click(); });
    ui::makeActivatable(Image5, [this] { Image5_Click(); });
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Image2);
    setTabOrder(Image2, Image3);
    setTabOrder(Image3, Image4);
    setTabOrder(Image4, Image5);
    setTabOrder(Image5, Command2);
    // After the tab order: Qt leaves controls without focus out of it.
    new CoverWatch(Image1, {Image2, Image3, Image4, Image5});

    setClientSizeTw(kClientWidth, kClientHeight);
}

void Form6::onLoad() {
    ui::moveTw(this, 495, 1200);
    const QString title = connectorsTitle(LanguageIndex);
    if (!title.isEmpty()) setWindowTitle(title);
    Command2->setText(CatExit);
    clearPicture(Image1);
    loadPicture(Image1, QStringLiteral("ok.jpg"));
    Frame1->setTitle(Command1->text());
    show();
    loadPicture(Image2, QStringLiteral("y1.jpg"));
    loadPicture(Image3, QStringLiteral("y2.jpg"));
    loadPicture(Image4, QStringLiteral("y3.jpg"));
    loadPicture(Image5, QStringLiteral("y4.jpg"));
    Command2->setFocus();
}

void Form6::Command1_Click() {
    loadPicture(Image1, QStringLiteral("ok.jpg"));
    Image1->show();
    Frame1->setTitle(Command1->text());
    Command2->setFocus();
}

void Form6::Command3_Click() {
    loadPicture(Image1, QStringLiteral("s4.jpg"));
    Image1->show();
    Frame1->setTitle(Command3->text());
    Command2->setFocus();
}

void Form6::Command4_Click() {
    Frame1->setTitle(Command4->text());
    Image1->hide(); // uncovers the four small pictures
    Command2->setFocus();
}

void Form6::Command2_Click() {
    unload();
}

void Form6::Image2_Click() {
    enlarge(QStringLiteral("y1.jpg"));
}
void Form6::Image3_Click() {
    enlarge(QStringLiteral("y2.jpg"));
}
void Form6::Image4_Click() {
    enlarge(QStringLiteral("y3.jpg"));
}
void Form6::Image5_Click() {
    enlarge(QStringLiteral("y4.jpg"));
}

void Form6::enlarge(const QString& file) {
    loadPicture(Image1, file);
    Image1->show();
    Command2->setFocus();
}

QString Form6::pictureOf(const QLabel* image) {
    return image->property(kPictureProperty).toString();
}

bool Form6::loadPicture(QLabel* image, const QString& file) {
    QImageReader reader(ui::dataFile(QLatin1String(kDataFolder) + file));
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull()) return false;
    // Fitted to the control without distortion, at the screen's own pixel density.
    const qreal ratio = image->devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        picture.scaled(image->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    image->setPixmap(pixmap);
    image->setProperty(kPictureProperty, file);
    image->setAccessibleName(connectorPictureName(file));
    return true;
}

void Form6::clearPicture(QLabel* image) {
    image->clear();
    image->setProperty(kPictureProperty, QString());
    image->setAccessibleName(QString());
}

} // namespace reference
