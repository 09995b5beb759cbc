#pragma once

#include "tests/catalog/fake_window.h"
#include "text/text.h"
#include "tools/sample-site/catalogue.h"
#include "tools/sample-site/server.h"

#include <gtest/gtest.h>

#include <string>

namespace kinovra {

// A sample catalogue of the test's own on an ephemeral port, the cipher of its base address that
// points the handlers at it, and a window in memory.
class CatalogueSite : public ::testing::Test
{
protected:
    sample_site::Server site;
    const Text cipher = EncipherText(Text(site.BaseAddress()));
    FakeWindow ui;
};

// The row that the list shows for a title of the sample catalogue.
inline FakeWindow::Row RowOf(const sample_site::Title& title)
{
    return { Text{}, Gbk(sample_site::TitleTarget(title.id)), Gbk(title.name), Gbk(title.category),
        Gbk(title.updated) };
}

} // namespace kinovra
