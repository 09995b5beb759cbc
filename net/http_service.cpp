#include "net/http_service.h"

#include "net/http_limits.h"
#include "net/wire_url.h"

#include <curl/curl.h>

#include <atomic>
#include <string>

namespace kinovra {
namespace {

std::atomic<long> g_stallSeconds{ kHttpStallTime.count() };
std::atomic<std::size_t> g_maxBodyBytes{ kHttpMaxBodyBytes };

struct EasyCleanup
{
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

struct SlistFree
{
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

namespace detail {

void SetHttpStallTimeForTesting(std::chrono::seconds stall)
{
    g_stallSeconds = static_cast<long>(stall.count());
}

void SetHttpMaxBodyBytesForTesting(std::size_t maxBytes)
{
    g_maxBodyBytes = maxBytes;
}

} // namespace detail

struct HttpService::Client
{
    // The header list outlives the handle that points to it.
    std::unique_ptr<curl_slist, SlistFree> headers;
    std::unique_ptr<CURL, EasyCleanup> easy;
    Bytes body;
    std::size_t maxBody = kHttpMaxBodyBytes;
    bool post = false;
    // An option the request needs could not be set: Send fails without sending.
    bool broken = false;

    template <typename Value> void Set(CURLoption option, Value value)
    {
        if (curl_easy_setopt(easy.get(), option, value) != CURLE_OK)
            broken = true;
    }

    void AddHeader(const std::string& line)
    {
        curl_slist* list = curl_slist_append(headers.get(), line.c_str());
        if (!list)
            broken = true;
        else if (!headers)
            headers.reset(list); // only the first line starts a list; later ones keep its head
    }

    static std::size_t Collect(char* data, std::size_t size, std::size_t count, void* user) noexcept
    {
        auto& client = *static_cast<Client*>(user);
        const std::size_t bytes = size * count;
        // The body is capped here because the declared length may be absent or false, and
        // because a compressed body is counted as it decodes.
        if (bytes > client.maxBody - client.body.size())
            return 0;
        const auto* first = reinterpret_cast<const std::uint8_t*>(data);
        client.body.insert(client.body.end(), first, first + bytes);
        return bytes;
    }
};

std::shared_ptr<HttpService> HttpService::Make()
{
    auto client = std::make_unique<Client>();
    client->easy.reset(curl_easy_init());
    if (!client->easy)
        return {};
    // Options shared by every request; Open sets all the others each time. The handle is never
    // reset between requests: a reset would drop the cookie engine's file list without freeing it.
    Client& c = *client;
    c.Set(CURLOPT_PROTOCOLS_STR, "http,https");
    c.Set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    c.Set(CURLOPT_FOLLOWLOCATION, 1L);
    c.Set(CURLOPT_MAXREDIRS, 5L);
    c.Set(CURLOPT_ACCEPT_ENCODING, "");
    c.Set(CURLOPT_SSL_VERIFYPEER, 1L);
    c.Set(CURLOPT_SSL_VERIFYHOST, 2L);
    c.Set(CURLOPT_COOKIEFILE, "");
    c.Set(CURLOPT_USERAGENT, "Kinovra/" KINOVRA_VERSION);
    // The program reads no environment, so no proxy comes from http_proxy and its kin.
    c.Set(CURLOPT_PROXY, "");
    c.Set(CURLOPT_NOSIGNAL, 1L);
    c.Set(CURLOPT_CONNECTTIMEOUT, static_cast<long>(kHttpConnectTimeout.count()));
    c.Set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    c.Set(CURLOPT_WRITEFUNCTION, &Client::Collect);
    c.Set(CURLOPT_WRITEDATA, static_cast<void*>(&c));
    if (c.broken)
        return {};
    return std::shared_ptr<HttpService>(new HttpService(std::move(client)));
}

HttpService::HttpService(std::unique_ptr<Client> client)
    : client_(std::move(client))
{ }

HttpService::~HttpService() = default;

void HttpService::Open(const Text& method, const Text& url)
{
    Client& c = *client_;
    c.broken = false;
    c.Set(CURLOPT_HTTPHEADER, static_cast<curl_slist*>(nullptr));
    c.headers.reset();
    c.body = Bytes();
    c.post = method.str() == "POST";
    c.maxBody = g_maxBodyBytes;

    c.Set(CURLOPT_URL, WireUrl(url).c_str());
    c.Set(CURLOPT_LOW_SPEED_TIME, g_stallSeconds.load());
    if (c.post)
        c.Set(CURLOPT_POST, 1L);
    else
        c.Set(CURLOPT_HTTPGET, 1L);
}

void HttpService::SetRequestHeader(const Text& name, const Text& value)
{
    // "Name:" would tell curl to drop the header; "Name;" sends it with an empty value.
    client_->AddHeader(value.empty() ? name.str() + ';' : name.str() + ": " + value.str());
}

void HttpService::Send(const Text& body)
{
    Client& c = *client_;
    if (c.post) {
        c.Set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.str().size()));
        c.Set(CURLOPT_COPYPOSTFIELDS, body.str().c_str());
        // Sends the body at once instead of waiting for a "100 Continue" first.
        c.AddHeader("Expect:");
    }
    c.Set(CURLOPT_HTTPHEADER, c.headers.get());
    c.body = Bytes();
    if (c.broken || curl_easy_perform(c.easy.get()) != CURLE_OK)
        c.body = Bytes();
}

const Bytes& HttpService::ResponseBody() const
{
    return client_->body;
}

} // namespace kinovra
