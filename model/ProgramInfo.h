#pragma once

// What the caption and the credits box say about the program.
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 1220;
inline constexpr const char* kBuildStamp = "December 20th 2011 02:44pm";
inline constexpr const char* kMakerUrl = "https://ostrelforge.example/";
