#pragma once
// What happens when the main window is destroyed: the work folder is emptied
// and made anew, and on one second in three the product's page is opened.

#include <string>

#include "housekeeping/delete_folder_tree.h"

namespace housekeeping {

// The product's own page. The reserved ".example" name can never lead to
// anyone else's site.
inline constexpr const char* closeTimePageAddress = "https://icon-extractor.example/thanks";

class Clock {
 public:
  virtual ~Clock() = default;
  virtual int currentSecond() = 0;  // of the local time, 0 to 59
};

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void open(const std::string& address) = 0;  // with the default handler; the result is not looked at
};

// True for the seconds 0, 3, 6, ..., 57: the remainder of s / 3.0 is within 1e-7 of 0.
bool isPageSecond(int second);

// Deletes programDirectory + "\temp\" with everything in it, creates
// programDirectory + "\temp" again, then opens the page if the second says so.
void onWindowDestroying(const std::string& programDirectory, FileSystem& files, Clock& clock, Shell& shell);

}  // namespace housekeeping
