// The device's address as the user types it, and the addresses remembered
// from earlier transfers (kept as one text setting, separated by ';').
#pragma once

#include <string>
#include <vector>

// How many addresses are remembered.
const size_t kRememberedAddresses = 5;

// True when `text`, spaces around it trimmed, is an IPv4 address a device
// may have: four decimal numbers 0-255 joined by dots, none with a leading
// zero (the address goes to inet_addr, which reads "010" as octal), neither
// 0.0.0.0 nor 255.255.255.255 nor a multicast or reserved one (224 and up).
// `address` then gets the trimmed text.
bool parseDeviceAddress(const std::string& text, std::string& address);

// The usable addresses of a stored list, in order, without repeats, at
// most kRememberedAddresses: a damaged value gives fewer or none.
std::vector<std::string> rememberedAddresses(const std::string& stored);
// The stored list with `address` moved or added to its front.
std::string rememberAddress(const std::string& stored, const std::string& address);
