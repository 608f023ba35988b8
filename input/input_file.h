// The input data file, held in memory for the whole run and read record by
// record. A record is one line without its line end ("\n" or "\r\n").
#pragma once

#include <cstddef>
#include <string>

namespace drovi {

// Input files are a few kilobytes; anything near this is not an input file.
inline constexpr std::size_t kMaxInputFileBytes = 64u * 1024u * 1024u;

class InputFile {
public:
    enum class LoadResult { Ok, CannotOpen, TooLarge };

    LoadResult load(const std::string& path);
    // For tests and tools: the file's bytes given directly.
    void assign(std::string bytes);

    std::size_t size() const { return bytes_.size(); }
    // The next record, without its line end; false at the end of the file.
    bool readRecord(std::string& record);
    bool atEnd() const { return pos_ >= bytes_.size(); }
    void rewind();
    // Number of records read so far (the line number of the last one).
    int recordNumber() const { return record_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    int record_ = 0;
};

// The 7-character tag of the input file, read as the first free-form text
// item: the first token of the first non-blank record, cut or blank-padded
// to 7 characters. The file is left after that record. A file with no such
// record gives "3" followed by six blanks.
std::string ReadFormatTag(InputFile& input);

inline constexpr const char* kCurrentFormatTag = "DROVIP6";
inline constexpr const char* kEarlierFormatTag = "DROVIP5";

}  // namespace drovi
