#include "batch/TagPass.h"

#include "platform/PassProgress.h"
#include "tags/MP3Tag.h"

TagPassResult WriteTags(std::vector<RenameItem>& rows, const TagFields& fields, TMP3Tag& tag,
                        PassProgress& progress)
{
    TagPassResult result;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!progress.Continue())
            break;
        RenameItem& row = rows[i];
        tag.SetFilename(CurrentPath(row));
        if (fields.title) {
            tag.SetTitle(*fields.title);
            row[RenameItem::Title] = *fields.title;
        }
        if (fields.artist) {
            tag.SetArtist(*fields.artist);
            row[RenameItem::Artist] = *fields.artist;
        }
        if (fields.album) {
            tag.SetAlbum(*fields.album);
            row[RenameItem::Album] = *fields.album;
        }
        if (fields.year) {
            tag.SetYear(*fields.year);
            row[RenameItem::Year] = *fields.year;
        }
        if (fields.genreId) {
            tag.SetGenreID(*fields.genreId);
            row[RenameItem::Genre] = fields.genreName;
        }
        if (fields.comment)
            tag.SetComment(*fields.comment);
        tag.Save();
        if (!tag.Saved() && result.failures++ == 0)
            result.firstError = tag.Error();
        progress.Advance(i);
    }
    return result;
}
