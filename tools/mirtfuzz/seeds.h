// The golden inputs of the fuzzer, made the way the suite makes its files:
// the sample forms' layouts, pages of them with values in their fields,
// form data files of the three container kinds, page blobs, face field
// lists, a list printing definition with an item of every kind, value
// files, choice lists and field maps.
#pragma once
#include <string>
#include <vector>

std::vector<std::string> LayoutSeeds();
std::vector<std::string> FieldListSeeds();
std::vector<std::string> PageBlobSeeds();
std::vector<std::string> PlainDataSeeds();
std::vector<std::string> MailDataSeeds();
std::vector<std::string> BoardDataSeeds();
std::vector<std::string> ListPrintSeeds();
std::vector<std::string> ValueFileSeeds();
std::vector<std::string> ChoiceListSeeds();
std::vector<std::string> FieldMapSeeds();
