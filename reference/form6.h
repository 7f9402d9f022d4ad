#pragma once

#include "ui/form.h"

#include <QList>
#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;

namespace reference {

// Pictures of the vehicles' diagnostic sockets, by make, so that the technician finds
// where to plug the adapter. The pictures are files of the data folder.
class Form6 : public ui::Form {
    Q_OBJECT
public:
    explicit Form6(QWidget* parent = nullptr);

    QPushButton* Command1 = nullptr; // Bombardier
    QPushButton* Command3 = nullptr; // Polaris
    QPushButton* Command4 = nullptr; // Kawasaki
    QPushButton* Command2 = nullptr; // exit
    QGroupBox* Frame1 = nullptr;
    QLabel* Image1 = nullptr; // the large picture, over the small ones
    QLabel* Image2 = nullptr; // small pictures: top left,
    QLabel* Image3 = nullptr; // top right,
    QLabel* Image4 = nullptr; // bottom left,
    QLabel* Image5 = nullptr; // bottom right

    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Command2_Click();
    void Image2_Click();
    void Image3_Click();
    void Image4_Click();
    void Image5_Click();

    // The data file an image shows ("ok.jpg"), empty while it shows nothing.
    static QString pictureOf(const QLabel* image);

protected:
    void onLoad() override;

private:
    // Shows a picture of the data folder in `image`, fitted to it. A file that is missing
    // or cannot be read leaves the image as it was; returns whether the picture was shown.
    bool loadPicture(QLabel* image, const QString& file);
    void clearPicture(QLabel* image);
    // A small picture was clicked: show it large.
    void enlarge(const QString& file);
};

// Fixed texts of the connector pictures window (form6_data.cpp): the title for a language
// (1 Spanish ... 8 Swedish; empty for one that keeps the design title), and what a picture
// shows, for screen readers (the file name for an unknown picture).
QString connectorsTitle(int languageIndex);
QString connectorPictureName(const QString& file);

} // namespace reference
