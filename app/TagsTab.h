#pragma once

#include "batch/TagPass.h"

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The "MP3 Tags" tab: a check box per tag field that switches it on, and the value it gets.
class TagsTab : public QWidget {
    Q_OBJECT

public:
    explicit TagsTab(QWidget* parent = nullptr);

    // Puts the genre names into cboTagGenre in code order, so an entry's position is its code.
    void FillGenreList(const std::vector<std::string>& genres);

    void SelectGenre(int code);

    bool AnyFieldOn() const;
    TagFields Fields() const;

private:
    QCheckBox* m_title = nullptr;
    QLineEdit* m_titleText = nullptr;
    QCheckBox* m_artist = nullptr;
    QLineEdit* m_artistText = nullptr;
    QCheckBox* m_album = nullptr;
    QLineEdit* m_albumText = nullptr;
    QCheckBox* m_year = nullptr;
    QLineEdit* m_yearText = nullptr;
    QCheckBox* m_genre = nullptr;
    QComboBox* m_genreList = nullptr;
    QCheckBox* m_comment = nullptr;
    QLineEdit* m_commentText = nullptr;
};
