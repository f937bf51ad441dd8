// Code tables: Routes, network connections, accounts, logons, shares, providers and threads.
// Each table is walked by value; texts are display texts, kept exactly.
#include "wmi/format/code_tables.h"

namespace crv::code_tables {
namespace {

constexpr CodeEntry kRoute_Protocol[] = {
    {1, "Other"},
    {2, "Local"},
    {3, "Netmgmt"},
    {4, "icmp"},
    {5, "egp"},
    {6, "ggp"},
    {7, "hello"},
    {8, "rip"},
    {9, "is-is"},
    {10, "es-is"},
    {11, "CiscoIgrp"},
    {12, "bbnSpfIgp"},
    {13, "ospf"},
    {14, "bgp"},
};
static_assert(Codes_Ascend(kRoute_Protocol));

constexpr CodeEntry kNetConnectionStatus[] = {
    {0, "Disconnected"},
    {1, "Connecting"},
    {2, "Connected"},
    {3, "Disconnecting"},
    {4, "Hardware not present"},
    {5, "Hardware disabled"},
    {6, "Hardware malfunction"},
    {7, "Media disconneted"},
    {8, "Authenticating"},
    {9, "Authentication succeeded"},
    {10, "Authentication failed"},
    {11, "Invalid address"},
    {12, "Credentials required"},
};
static_assert(Codes_Ascend(kNetConnectionStatus));

constexpr CodeEntry kSIDType[] = {
    {1, "Sid Type User"},
    {2, "Sid Type Group"},
    {3, "Sid Type Domain"},
    {4, "Sid Type Alias"},
    {5, "Sid Type WellKnownGroup"},
    {6, "Sid Type DeletedAccount"},
    {7, "Sid Type Invalid"},
    {8, "Sid Type Unknown"},
    {9, "Sid Type Computer"},
};
static_assert(Codes_Ascend(kSIDType));

constexpr CodeEntry kAccountType[] = {
    {256, "Local user account for users who have a primary account in another domain."},
    {512, "Default account type that represents a typical user."},
    {2048, "Account for a system domain that trusts other domains."},
    {4096, "Computer account for a computer that is a member of this domain."},
    {8192, "Account for a system backup domain controller that is a member of this domain."},
};
static_assert(Codes_Ascend(kAccountType));

constexpr CodeEntry kLogonType[] = {
    {2, "Interactive"},
    {3, "Network"},
    {4, "Batch"},
    {5, "Service"},
    {6, "Proxy"},
    {7, "Unlock"},
    {8, "Network Cleartext"},
    {9, "New Credentials"},
    {10, "Remote Interactive"},
    {11, "Cached Interactive"},
    {12, "Cached Remote Interactive"},
    {13, "Cached Unlock"},
};
static_assert(Codes_Ascend(kLogonType));

constexpr CodeEntry kAssignmentType[] = {
    {0, "User"},
    {1, "Computer"},
};
static_assert(Codes_Ascend(kAssignmentType));

constexpr CodeEntry kThreadState[] = {
    {0, "Initialized (recognized by the microkernel)"},
    {1, "Ready (prepared to run on next available processor)"},
    {2, "Running (executing)"},
    {3, "Standby (about to run, only one thread may be in this state at a time)"},
    {4, "Terminated (finished executing)"},
    {5, "Waiting (not ready for the processor, when ready, it will be rescheduled)"},
    {6, "Transition (thread is waiting for resources other than the processor)"},
    {7, "Unknown (thread state is unknown)"},
};
static_assert(Codes_Ascend(kThreadState));

constexpr CodeEntry kThreadWaitReason[] = {
    {0, "Executive"},
    {1, "Free Page"},
    {2, "Page In"},
    {3, "Pool Allocation"},
    {4, "Execution Delay"},
    {5, "Free Page"},
    {6, "Page In"},
    {7, "Executive"},
    {8, "Free Page"},
    {9, "Page In"},
    {10, "Pool Allocation"},
    {11, "Execution Delay"},
    {12, "Free Page"},
    {13, "Page In"},
    {14, "Event Pair High"},
    {15, "Event Pair Low"},
    {16, "LPC Receive"},
    {17, "LPC Reply"},
    {18, "Virtual Memory"},
    {19, "Page Out"},
    {20, "Unknown"},
};
static_assert(Codes_Ascend(kThreadWaitReason));

constexpr CodeEntry kType_Share[] = {
    {-2147483648, "Disk Drive Admin"},
    {-2147483647, "Print Queue Admin"},
    {-2147483646, "Device Admin"},
    {-2147483645, "IPC Admin"},
    {0, "Disk Drive"},
    {1, "Print Queue"},
    {2, "Device"},
    {3, "IPC"},
};
static_assert(Codes_Ascend(kType_Share));

constexpr CodeEntry kType_Route[] = {
    {1, "Other"},
    {2, "Invalid"},
    {3, "Direct"},
    {4, "Indirect"},
};
static_assert(Codes_Ascend(kType_Route));

constexpr CodeEntry kType_ShadowProvider[] = {
    {0, "Unknown"},
    {1, "System"},
    {2, "Software"},
    {3, "Hardware"},
};
static_assert(Codes_Ascend(kType_ShadowProvider));

}  // namespace

std::span<const TableBinding> Network_Account_Tables() {
    static constexpr TableBinding bindings[] = {
        {"Get_Route_Protocol_Text", "", "Route_Protocol", kRoute_Protocol},
        {"Get_NetConnectionStatus_Text", "", "NetConnectionStatus", kNetConnectionStatus},
        {"Get_SIDType_Text", "", "SIDType", kSIDType},
        {"Get_AccountType_Text", "", "AccountType", kAccountType},
        {"Get_LogonType_Text", "", "LogonType", kLogonType},
        {"Get_AssignmentType_Text", "", "AssignmentType", kAssignmentType},
        {"Get_ThreadState_Text", "", "ThreadState", kThreadState},
        {"Get_ThreadWaitReason_Text", "", "ThreadWaitReason", kThreadWaitReason},
        {"Get_Type_Text", "Win32_Share", "Type_Share", kType_Share},
        {"Get_Type_Text", "Win32_IP4RouteTable", "Type_Route", kType_Route},
        {"Get_Type_Text", "Win32_ShadowProvider", "Type_ShadowProvider", kType_ShadowProvider},
    };
    return bindings;
}

}  // namespace crv::code_tables
