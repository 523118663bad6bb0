#pragma once
// Checks the structure of a PDF file against its own cross-reference table.

#include <gtest/gtest.h>

#include <map>
#include <string>

// Every xref entry points at "N 0 obj", startxref at "xref", and every
// /Length object holds the bytes between "stream" CR LF and "endstream".
inline void ExpectPdfAufbau(const std::string& pdf) {
  const std::size_t sx = pdf.rfind("startxref\r\n");
  ASSERT_NE(sx, std::string::npos);
  const std::size_t xref = std::stoul(pdf.substr(sx + 11));
  ASSERT_EQ(pdf.compare(xref, 8, "xref\r\n0 "), 0);
  const std::size_t eintraege = xref + pdf.substr(xref).find("\r\n", 6) + 2;
  const int anzahl = std::stoi(pdf.substr(xref + 8));
  std::map<int, std::size_t> offsets;
  for (int k = 1; k < anzahl; ++k) {
    const std::string e = pdf.substr(eintraege + 20 * std::size_t(k), 20);
    ASSERT_EQ(e.substr(10), " 00000 n\r\n") << k;
    offsets[k] = std::stoul(e.substr(0, 10));
    const std::string kopf = std::to_string(k) + " 0 obj\r\n";
    EXPECT_EQ(pdf.compare(offsets[k], kopf.size(), kopf), 0) << "object " << k;
  }
  for (std::size_t at = pdf.find("/Length "); at != std::string::npos;
       at = pdf.find("/Length ", at + 1)) {
    const int obj = std::stoi(pdf.substr(at + 8));
    ASSERT_TRUE(offsets.count(obj)) << obj;
    const std::size_t kopf = std::to_string(obj).size() + 8;
    const std::size_t laenge = std::stoul(pdf.substr(offsets[obj] + kopf));
    const std::size_t von = pdf.find("stream\r\n", at) + 8;
    EXPECT_EQ(pdf.find("endstream", von) - von, laenge) << "length object " << obj;
  }
}
