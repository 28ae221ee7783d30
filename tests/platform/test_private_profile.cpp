#include "platform/private_profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/cp1251.h"
#include "platform/utf8.h"

namespace fs = std::filesystem;

namespace {

const std::string kSection = "Настройки";
const std::string kPort = "Порт_подключения";
const std::string kLevel = "Сложность_интерфейса";

class PrivateProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "ini_test_XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    path = (dir / "Param.ini").string();
  }
  void TearDown() override { fs::remove_all(dir); }

  void WriteBytes(const std::string& bytes) const {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::string ReadBytes() const {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }
  std::string Get(const std::string& section, const std::string& key,
                  const std::string& fallback = "default", int maxChars = 254) const {
    return GetPrivateProfileString(path, section, key, fallback, maxChars);
  }
  std::size_t FilesInDir() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
  }

  fs::path dir;
  std::string path;
};

enum class Encoding { Cp1251, Utf8, Utf8Bom, Utf16Le };

std::string Encode(const std::string& utf8, Encoding encoding) {
  switch (encoding) {
    case Encoding::Cp1251: return Utf8ToCp1251(utf8);
    case Encoding::Utf8: return utf8;
    case Encoding::Utf8Bom: return "\xEF\xBB\xBF" + utf8;
    case Encoding::Utf16Le: break;
  }
  std::string out = "\xFF\xFE";
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    pos += DecodeUtf8(utf8, pos, cp);  // the texts here are well-formed and in the BMP
    out += static_cast<char>(cp & 0xFF);
    out += static_cast<char>(cp >> 8);
  }
  return out;
}

TEST_F(PrivateProfile, ReadsAndRewritesEachEncodingInPlace) {
  const std::string before =
      "; настройки ЛОРН\r\n[Настройки]\r\nПорт_подключения = COM3 \r\nСложность_интерфейса=OTK\r\n";
  const std::string after =
      "; настройки ЛОРН\r\n[Настройки]\r\nПорт_подключения =com4\r\nСложность_интерфейса=OTK\r\n";
  for (const Encoding encoding :
       {Encoding::Cp1251, Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16Le}) {
    SCOPED_TRACE(static_cast<int>(encoding));
    WriteBytes(Encode(before, encoding));
    EXPECT_EQ(Get(kSection, kPort), "COM3");
    EXPECT_EQ(Get("НАСТРОЙКИ", "порт_ПОДКЛЮЧЕНИЯ"), "COM3");  // case-insensitive, Cyrillic
    EXPECT_EQ(Get("настройки", "сложность_ИНТЕРФЕЙСА"), "OTK");

    ASSERT_TRUE(WritePrivateProfileString(path, "настройки", "ПОРТ_подключения", "com4"));
    EXPECT_EQ(ReadBytes(), Encode(after, encoding));
    EXPECT_EQ(Get(kSection, kPort), "com4");
  }
}

TEST_F(PrivateProfile, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Get(kSection, kPort, "COM1"), "COM1");
  EXPECT_EQ(Get(kSection, kPort, "COM1  "), "COM1");  // trailing blanks of a default dropped
  WriteBytes("[Other]\r\nПорт_подключения=COM7\r\n[Настройки]\r\nKey=1\r\n");
  EXPECT_EQ(Get(kSection, kPort, "COM1"), "COM1");
  EXPECT_EQ(Get("Missing", "Key", "0"), "0");
  EXPECT_EQ(Get("other", kPort), "COM7");
  EXPECT_EQ(Get(kSection, "KEY"), "1");
}

TEST_F(PrivateProfile, ValuesAreTrimmedAndUnquotedAsWindowsDoes) {
  WriteBytes("[s]\nplain=\t value with  inner blanks \t\nquoted=\" padded \"\nsingle='x'\n"
             "half=\"open\nempty=\nspaced key  = v=w\n");
  EXPECT_EQ(Get("s", "plain"), "value with  inner blanks");
  EXPECT_EQ(Get("s", "quoted"), " padded ");
  EXPECT_EQ(Get("s", "single"), "x");
  EXPECT_EQ(Get("s", "half"), "\"open");
  EXPECT_EQ(Get("s", "empty"), "");  // present but empty: not the default
  EXPECT_EQ(Get("s", "spaced key"), "v=w");
}

TEST_F(PrivateProfile, LongValuesAreCutToTheBuffer) {
  std::string cyrillic;
  for (int i = 0; i < 300; ++i) cyrillic += "ж";
  WriteBytes("[s]\r\nlatin=" + std::string(300, 'x') + "\r\ncyrillic=" + cyrillic + "\r\n");
  EXPECT_EQ(Get("s", "latin"), std::string(253, 'x'));
  EXPECT_EQ(Get("s", "cyrillic"), cyrillic.substr(0, 253 * 2));  // characters, not bytes
  EXPECT_EQ(Get("s", "latin", "", 4), "xxx");
  EXPECT_EQ(Get("s", "latin", "", 1), "");
  EXPECT_EQ(Get("s", "missing", std::string(300, 'd')), std::string(253, 'd'));
}

TEST_F(PrivateProfile, NewFileIsUtf8WithCrLf) {
  ASSERT_TRUE(WritePrivateProfileString(path, kSection, kPort, "COM1"));
  ASSERT_TRUE(WritePrivateProfileString(path, kSection, kLevel, ""));
  EXPECT_EQ(ReadBytes(), "[Настройки]\r\nПорт_подключения=COM1\r\nСложность_интерфейса=\r\n");
  EXPECT_EQ(Get(kSection, kLevel, "0"), "");
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary file left behind
}

TEST_F(PrivateProfile, WritingKeepsEveryOtherLine) {
  const std::string original =
      "; comment\n\n[First]\nA = 1\n\n[Настройки]\n  note without equals\nx=1\n\n\n"
      "[Last]\nz=9";
  WriteBytes(original);

  ASSERT_TRUE(WritePrivateProfileString(path, "first", "a", "2"));  // replaced in place
  ASSERT_TRUE(WritePrivateProfileString(path, kSection, kPort, "COM4"));  // end of its section
  ASSERT_TRUE(WritePrivateProfileString(path, "last", "new", "n"));  // after an unended line
  ASSERT_TRUE(WritePrivateProfileString(path, "Added", "k", "v"));  // section at the end
  EXPECT_EQ(ReadBytes(),
            "; comment\n\n[First]\nA =2\n\n[Настройки]\n  note without equals\nx=1\n"
            "Порт_подключения=COM4\n\n\n[Last]\nz=9\nnew=n\n[Added]\nk=v\n");
  EXPECT_EQ(Get("FIRST", "a"), "2");
}

TEST_F(PrivateProfile, TheFirstOfDuplicatesCounts) {
  WriteBytes("[s]\r\nk=first\r\nk=second\r\n[S]\r\nk=third\r\n");
  EXPECT_EQ(Get("s", "k"), "first");
  ASSERT_TRUE(WritePrivateProfileString(path, "s", "k", "new"));
  EXPECT_EQ(ReadBytes(), "[s]\r\nk=new\r\nk=second\r\n[S]\r\nk=third\r\n");
}

TEST_F(PrivateProfile, RefusedWritesLeaveTheFileAlone) {
  const std::string original = "[s]\r\nk=v\r\n";
  WriteBytes(original);
  // Each of these would write lines that read back as something else.
  EXPECT_FALSE(WritePrivateProfileString(path, "s", "k", "COM1\r\n[x]"));
  EXPECT_FALSE(WritePrivateProfileString(path, "s]", "k", "v"));
  EXPECT_FALSE(WritePrivateProfileString(path, "s", "a=b", "v"));
  EXPECT_FALSE(WritePrivateProfileString(path, "s", " ", "v"));
  EXPECT_EQ(ReadBytes(), original);

  EXPECT_FALSE(WritePrivateProfileString((dir / "no" / "Param.ini").string(), "s", "k", "v"));
  EXPECT_FALSE(WritePrivateProfileString(dir.string(), "s", "k", "v"));  // a folder
  EXPECT_EQ(GetPrivateProfileString(dir.string(), "s", "k", "d"), "d");
}

TEST_F(PrivateProfile, ReplacingKeepsPermissionsAndLinks) {
  WriteBytes("[s]\nk=1\n");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  const fs::path link = dir / "link.ini";
  fs::create_symlink(path, link);

  ASSERT_TRUE(WritePrivateProfileString(link.string(), "s", "k", "2"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(), "[s]\nk=2\n");
  struct stat st {};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(FilesInDir(), 2u);
}

}  // namespace
