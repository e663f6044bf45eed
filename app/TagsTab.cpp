#include "app/TagsTab.h"

#include "engine/untGenLib.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {

template <typename Widget>
Widget* Named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

std::optional<std::string> ValueIfOn(const QCheckBox* box, const QLineEdit* edit)
{
    if (!box->isChecked())
        return std::nullopt;
    return edit->text().toStdString();
}

} // namespace

TagsTab::TagsTab(QWidget* parent)
    : QWidget(parent)
{
    m_title = Named(new QCheckBox(QStringLiteral("Title")), "cbTitle");
    m_titleText = Named(new QLineEdit, "edTitle");
    m_artist = Named(new QCheckBox(QStringLiteral("Artist")), "cbArtist");
    m_artistText = Named(new QLineEdit, "edArtist");
    m_album = Named(new QCheckBox(QStringLiteral("Album")), "cbAlbum");
    m_albumText = Named(new QLineEdit, "edAlbum");
    m_year = Named(new QCheckBox(QStringLiteral("Year")), "cbYear");
    m_yearText = Named(new QLineEdit, "edYear");
    m_yearText->setMaximumWidth(80);
    m_genre = Named(new QCheckBox(QStringLiteral("Genre")), "cbGenre");
    m_genreList = Named(new QComboBox, "cboTagGenre");
    m_genreList->setMaxVisibleItems(20);
    m_comment = Named(new QCheckBox(QStringLiteral("Comment")), "cbComment");
    m_commentText = Named(new QLineEdit, "edComment");

    auto* grid = new QGridLayout;
    const std::pair<QCheckBox*, QWidget*> rows[] = {
        {m_title, m_titleText}, {m_artist, m_artistText}, {m_album, m_albumText},
        {m_year, m_yearText}, {m_genre, m_genreList}, {m_comment, m_commentText}};
    int row = 0;
    for (const auto& [box, value] : rows) {
        grid->addWidget(box, row, 0);
        grid->addWidget(value, row, 1, Qt::AlignLeft);
        value->setMinimumWidth(value == m_yearText ? 80 : 320);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row, 1);
    grid->setContentsMargins(12, 12, 12, 12);
    setLayout(grid);
}

void TagsTab::FillGenreList(const std::vector<std::string>& genres)
{
    std::string joined;
    for (const std::string& name : genres) {
        if (!joined.empty())
            joined += ',';
        joined += name;
    }
    std::vector<std::string> names;
    SplitToList(joined, names, ",");
    for (const std::string& name : names)
        m_genreList->addItem(QString::fromStdString(name));
}

void TagsTab::SelectGenre(int code)
{
    m_genreList->setCurrentIndex(code);
}

bool TagsTab::AnyFieldOn() const
{
    for (const QCheckBox* box : {m_title, m_artist, m_album, m_year, m_genre, m_comment}) {
        if (box->isChecked())
            return true;
    }
    return false;
}

TagFields TagsTab::Fields() const
{
    TagFields fields;
    fields.title = ValueIfOn(m_title, m_titleText);
    fields.artist = ValueIfOn(m_artist, m_artistText);
    fields.album = ValueIfOn(m_album, m_albumText);
    fields.year = ValueIfOn(m_year, m_yearText);
    if (m_genre->isChecked()) {
        fields.genreId = m_genreList->currentIndex();
        fields.genreName = m_genreList->currentText().toStdString();
    }
    fields.comment = ValueIfOn(m_comment, m_commentText);
    return fields;
}
