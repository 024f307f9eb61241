#pragma once

// Fills a company database with a synthetic but realistic company: Czech
// names and addresses, departments in a small tree, employees, injury book
// entries over several years with bit sets of sources and causes, registered
// records made from some of them with reports of changes, and pupils'
// injuries. The same seed gives the same company.

#include <QString>

class Connection;

struct SyntheticCompanySize
{
    int departments = 20;
    int employees = 1000;
    int bookEntries = 5000;
    double registeredShare = 0.1;  // of the book entries
    int changesPerRegistered = 1;
    int schoolRecords = 200;
    unsigned seed = 2024;
};

struct SyntheticCompanyCounts
{
    int departments = 0;
    int employees = 0;
    int bookEntries = 0;
    int registered = 0;
    int changes = 0;
    int schoolRecords = 0;
};

// Writes the rows into the open company database and commits.
SyntheticCompanyCounts FillSyntheticCompany(Connection &company, const SyntheticCompanySize &size);
