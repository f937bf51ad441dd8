-- The property catalogue: for each WMI class feature its properties in
-- display order. ACTIVE marks the properties collected by default (the live
-- select list is built from them, so they must exist on every supported
-- Windows version; newer or bulky ones start unticked). DISPLAY is 1 for
-- every row: a property the user ticks later must show from stored scans.
-- FEATURE_ID values are those of 10_features.sql.

BEGIN TRANSACTION;

-- Win32_ComputerSystem
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Network name of the computer.', 1, 4, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Manufacturer of the computer.', 1, 4, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Model', 'Model', 'Model name of the computer.', 1, 4, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 4, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Domain', 'Domain', 'Domain or workgroup the computer belongs to.', 1, 4, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DomainRole', 'Domain Role', 'Role of the computer in its domain or workgroup.', 1, 4, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PartOfDomain', 'Part Of Domain', 'Whether the computer is joined to a domain.', 0, 4, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Workgroup', 'Workgroup', 'Workgroup the computer belongs to when it is not in a domain.', 0, 4, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DNSHostName', 'DNS Host Name', 'Host name of the computer in DNS.', 0, 4, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserName', 'User Name', 'User currently logged on at the console.', 1, 4, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrimaryOwnerName', 'Primary Owner Name', 'Name of the primary owner of the computer.', 1, 4, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemType', 'System Type', 'Kind of system (x64-based PC, X86-based PC).', 1, 4, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PCSystemType', 'PC System Type', 'Kind of computer (desktop, mobile, workstation, server).', 0, 4, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalPhysicalMemory', 'Total Physical Memory', 'Total installed physical memory.', 1, 4, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfProcessors', 'Number Of Processors', 'Number of physical processors.', 1, 4, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfLogicalProcessors', 'Number Of Logical Processors', 'Number of logical processors.', 0, 4, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentTimeZone', 'Current Time Zone', 'Offset of the local time zone from UTC, in minutes.', 1, 4, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaylightInEffect', 'Daylight In Effect', 'Whether daylight saving time is in effect.', 0, 4, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EnableDaylightSavingsTime', 'Enable Daylight Savings Time', 'Whether the clock follows daylight saving time.', 0, 4, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BootupState', 'Bootup State', 'How the computer was last started (normal, fail-safe).', 0, 4, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ChassisBootupState', 'Chassis Bootup State', 'Boot-up state of the chassis.', 0, 4, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WakeUpType', 'Wake Up Type', 'Event that turned the computer on.', 1, 4, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PowerState', 'Power State', 'Current power state of the computer.', 0, 4, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PowerSupplyState', 'Power Supply State', 'State of the power supply when last booted.', 0, 4, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThermalState', 'Thermal State', 'Thermal state of the chassis when last booted.', 0, 4, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AdminPasswordStatus', 'Admin Password Status', 'Status of the hardware administrator password.', 0, 4, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PowerOnPasswordStatus', 'Power On Password Status', 'Status of the power-on password.', 0, 4, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KeyboardPasswordStatus', 'Keyboard Password Status', 'Status of the keyboard password.', 0, 4, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FrontPanelResetStatus', 'Front Panel Reset Status', 'Status of the front panel reset button.', 0, 4, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ResetCapability', 'Reset Capability', 'Whether the computer can be reset by hardware.', 0, 4, 30, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AutomaticResetBootOption', 'Automatic Reset Boot Option', 'Whether the automatic reset boot option is on.', 0, 4, 31, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AutomaticResetCapability', 'Automatic Reset Capability', 'Whether the automatic reset can be enabled.', 0, 4, 32, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BootOptionOnLimit', 'Boot Option On Limit', 'What the system does when the reset limit is reached.', 0, 4, 33, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BootOptionOnWatchDog', 'Boot Option On Watch Dog', 'What the system does when the watchdog timer expires.', 0, 4, 34, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ResetCount', 'Reset Count', 'Number of automatic resets since the last intentional reset.', 0, 4, 35, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ResetLimit', 'Reset Limit', 'Number of consecutive resets before the limit action.', 0, 4, 36, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemStartupDelay', 'System Startup Delay', 'Time before the default operating system starts.', 0, 4, 37, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AutomaticManagedPagefile', 'Automatic Managed Pagefile', 'Whether Windows manages the page file itself.', 0, 4, 38, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InfraredSupported', 'Infrared Supported', 'Whether an infrared port is present.', 0, 4, 39, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NetworkServerModeEnabled', 'Network Server Mode Enabled', 'Whether network server mode is on.', 0, 4, 40, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OEMLogoBitmap', 'OEM Logo Bitmap', 'Logo bitmap of the computer maker.', 0, 4, 41, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Roles', 'Roles', 'Roles of the computer in the network.', 0, 4, 42, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 4, 43, 1);

-- Win32_ComputerSystemProduct
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Product name of the computer.', 1, 5, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Vendor', 'Vendor', 'Vendor of the computer.', 1, 5, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the product.', 1, 5, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IdentifyingNumber', 'Identifying Number', 'Product identification, usually the serial number.', 1, 5, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UUID', 'UUID', 'Universally unique identifier of the computer.', 1, 5, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SKUNumber', 'SKU Number', 'Stock-keeping unit number of the product.', 0, 5, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 5, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 5, 8, 1);

-- Win32_SystemEnclosure
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Manufacturer of the chassis.', 1, 6, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Model', 'Model', 'Model name given by the manufacturer.', 1, 6, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number of the chassis.', 1, 6, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SMBIOSAssetTag', 'SMBIOS Asset Tag', 'Asset tag number of the chassis.', 1, 6, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ChassisTypes', 'Chassis Types', 'Kind of chassis (desktop, tower, notebook and so on).', 1, 6, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LockPresent', 'Lock Present', 'Whether the chassis has a lock.', 0, 6, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SecurityStatus', 'Security Status', 'Security status of the chassis.', 1, 6, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SecurityBreach', 'Security Breach', 'Whether a physical breach of the chassis was detected.', 1, 6, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BreachDescription', 'Breach Description', 'Details of a detected breach.', 0, 6, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AudibleAlarm', 'Audible Alarm', 'Whether the chassis has an audible alarm.', 0, 6, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VisibleAlarm', 'Visible Alarm', 'Whether the chassis has a visible alarm.', 0, 6, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfPowerCords', 'Number Of Power Cords', 'Number of power cords of the chassis.', 0, 6, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HeatGeneration', 'Heat Generation', 'Heat generated by the chassis, in BTU per hour.', 0, 6, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PartNumber', 'Part Number', 'Part number given by the manufacturer.', 0, 6, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 0, 6, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 6, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 6, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 6, 18, 1);

-- Win32_Processor
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the processor.', 1, 8, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Manufacturer of the processor.', 1, 8, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Family, model and stepping of the processor.', 1, 8, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 1, 8, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Socket identifier of the processor.', 1, 8, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SocketDesignation', 'Socket Designation', 'Socket or slot that holds the processor.', 1, 8, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxClockSpeed', 'Max Clock Speed', 'Maximum speed of the processor.', 1, 8, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentClockSpeed', 'Current Clock Speed', 'Current speed of the processor, in MHz.', 1, 8, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExtClock', 'Ext Clock', 'External clock frequency, in MHz.', 1, 8, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfCores', 'Number Of Cores', 'Number of cores of the processor.', 1, 8, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfLogicalProcessors', 'Number Of Logical Processors', 'Number of logical processors of the processor.', 1, 8, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Architecture', 'Architecture', 'Processor architecture (x86, x64, ARM and so on).', 1, 8, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AddressWidth', 'Address Width', 'Address width used by the operating system, in bits.', 1, 8, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DataWidth', 'Data Width', 'Data width of the processor, in bits.', 1, 8, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Family', 'Family', 'Processor family.', 1, 8, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProcessorType', 'Processor Type', 'Primary function of the processor.', 1, 8, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProcessorId', 'Processor Id', 'Processor identification bits (CPUID).', 1, 8, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('L2CacheSize', 'L2Cache Size', 'Size of the level 2 cache.', 1, 8, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('L3CacheSize', 'L3Cache Size', 'Size of the level 3 cache.', 1, 8, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LoadPercentage', 'Load Percentage', 'Current load of the processor.', 1, 8, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentVoltage', 'Current Voltage', 'Current voltage of the processor.', 1, 8, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VoltageCaps', 'Voltage Caps', 'Voltages the processor supports.', 0, 8, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UpgradeMethod', 'Upgrade Method', 'Kind of socket used to install the processor.', 1, 8, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CpuStatus', 'Cpu Status', 'Current status of the processor.', 0, 8, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 1, 8, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 8, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Revision', 'Revision', 'Revision level of the processor.', 0, 8, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Stepping', 'Stepping', 'Stepping of the processor.', 0, 8, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Processor revision number.', 1, 8, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('L2CacheSpeed', 'L2Cache Speed', 'Clock speed of the level 2 cache, in MHz.', 0, 8, 30, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('L3CacheSpeed', 'L3Cache Speed', 'Clock speed of the level 3 cache, in MHz.', 0, 8, 31, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Level', 'Level', 'Processor level as Windows defines it.', 0, 8, 32, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Role', 'Role', 'Role of the processor (central processor, math processor).', 0, 8, 33, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PowerManagementSupported', 'Power Management Supported', 'Whether the device can be power-managed.', 0, 8, 34, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VirtualizationFirmwareEnabled', 'Virtualization Firmware Enabled', 'Whether virtualization is enabled in the firmware.', 0, 8, 35, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SecondLevelAddressTranslationExtensions', 'Second Level Address Translation Extensions', 'Whether second level address translation is supported.', 0, 8, 36, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VMMonitorModeExtensions', 'VM Monitor Mode Extensions', 'Whether virtual machine monitor extensions are supported.', 0, 8, 37, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 8, 38, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 8, 39, 1);

-- Win32_CacheMemory
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Purpose', 'Purpose', 'Purpose of the cache (L1, L2, L3 cache).', 1, 9, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Level', 'Level', 'Level of the cache.', 1, 9, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CacheType', 'Cache Type', 'Kind of cache (instruction, data, unified).', 1, 9, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstalledSize', 'Installed Size', 'Installed size of the cache.', 1, 9, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxCacheSize', 'Max Cache Size', 'Maximum size the cache can have.', 1, 9, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Associativity', 'Associativity', 'Associativity of the cache.', 1, 9, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WritePolicy', 'Write Policy', 'Write policy of the cache.', 1, 9, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ErrorCorrectType', 'Error Correct Type', 'Error correction scheme of the cache.', 1, 9, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Location', 'Location', 'Physical location of the cache.', 1, 9, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CacheSpeed', 'Cache Speed', 'Speed of the cache, in nanoseconds.', 0, 9, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BlockSize', 'Block Size', 'Size of the blocks of the cache.', 0, 9, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfBlocks', 'Number Of Blocks', 'Number of blocks of the cache.', 0, 9, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 9, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 9, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 9, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 9, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 9, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 9, 18, 1);

-- Win32_PhysicalMemory
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BankLabel', 'Bank Label', 'Label of the bank that holds the module.', 1, 11, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceLocator', 'Device Locator', 'Label of the socket or board position of the module.', 1, 11, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Capacity', 'Capacity', 'Size of the module.', 1, 11, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Speed', 'Speed', 'Speed of the module.', 1, 11, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Manufacturer of the module.', 1, 11, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PartNumber', 'Part Number', 'Part number of the module.', 1, 11, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number of the module.', 1, 11, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FormFactor', 'Form Factor', 'Form factor of the module (DIMM, SODIMM and so on).', 1, 11, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MemoryType', 'Memory Type', 'Kind of memory (DDR2, DDR3 and so on).', 1, 11, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TypeDetail', 'Type Detail', 'Further details of the kind of memory.', 1, 11, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DataWidth', 'Data Width', 'Data width of the module, in bits.', 1, 11, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalWidth', 'Total Width', 'Total width of the module including error correction, in bits.', 1, 11, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InterleavePosition', 'Interleave Position', 'Position of the module in an interleave.', 0, 11, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InterleaveDataDepth', 'Interleave Data Depth', 'Number of consecutive rows of data accessed in one transfer.', 0, 11, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PositionInRow', 'Position In Row', 'Position of the module in a row.', 0, 11, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfiguredClockSpeed', 'Configured Clock Speed', 'Configured clock speed of the module, in MHz.', 0, 11, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfiguredVoltage', 'Configured Voltage', 'Configured voltage of the module, in millivolts.', 0, 11, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SMBIOSMemoryType', 'SMBIOS Memory Type', 'Kind of memory as SMBIOS reports it.', 0, 11, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 0, 11, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 11, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 11, 21, 1);

-- Win32_PhysicalMemoryArray
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 1, 12, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Location', 'Location', 'Physical location of the memory array.', 1, 12, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Use', 'Use', 'How the memory array is used (system memory, video memory).', 1, 12, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxCapacity', 'Max Capacity', 'Maximum memory the array can hold.', 1, 12, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MemoryDevices', 'Memory Devices', 'Number of memory sockets of the array.', 1, 12, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MemoryErrorCorrection', 'Memory Error Correction', 'Error correction scheme of the array.', 1, 12, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 12, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 12, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 12, 9, 1);

-- Win32_BaseBoard
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Manufacturer of the motherboard.', 1, 14, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Product', 'Product', 'Product name of the motherboard.', 1, 14, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Model', 'Model', 'Model name given by the manufacturer.', 1, 14, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number of the motherboard.', 1, 14, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the motherboard.', 1, 14, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HostingBoard', 'Hosting Board', 'Whether the board is the main board of the computer.', 1, 14, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HotSwappable', 'Hot Swappable', 'Whether the object can be replaced while the computer runs.', 1, 14, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PoweredOn', 'Powered On', 'Whether the object is powered on.', 1, 14, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Removable', 'Removable', 'Whether the object can be removed.', 1, 14, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Replaceable', 'Replaceable', 'Whether the object can be replaced.', 1, 14, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RequiresDaughterBoard', 'Requires Daughter Board', 'Whether the board needs a daughter board to work.', 0, 14, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigOptions', 'Config Options', 'Configuration of the jumpers and switches of the board.', 0, 14, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SKU', 'SKU', 'Stock-keeping unit number of the object.', 0, 14, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 0, 14, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 14, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 14, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 14, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 14, 18, 1);

-- Win32_BIOS
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the BIOS.', 1, 15, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Manufacturer of the BIOS.', 1, 15, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the BIOS.', 1, 15, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SMBIOSBIOSVersion', 'SMBIOS BIOS Version', 'BIOS version as SMBIOS reports it.', 1, 15, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SMBIOSMajorVersion', 'SMBIOS Major Version', 'Major SMBIOS version.', 1, 15, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SMBIOSMinorVersion', 'SMBIOS Minor Version', 'Minor SMBIOS version.', 1, 15, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SMBIOSPresent', 'SMBIOS Present', 'Whether SMBIOS is available.', 1, 15, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ReleaseDate', 'Release Date', 'Release date of the BIOS.', 1, 15, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number the BIOS reports for the computer.', 1, 15, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrimaryBIOS', 'Primary BIOS', 'Whether this is the primary BIOS.', 1, 15, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BIOSVersion', 'BIOS Version', 'Version strings of the BIOS.', 1, 15, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BiosCharacteristics', 'BIOS Characteristics', 'Features the BIOS supports.', 0, 15, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemBiosMajorVersion', 'System BIOS Major Version', 'Major version of the system BIOS.', 0, 15, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemBiosMinorVersion', 'System BIOS Minor Version', 'Minor version of the system BIOS.', 0, 15, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EmbeddedControllerMajorVersion', 'Embedded Controller Major Version', 'Major version of the embedded controller firmware.', 0, 15, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EmbeddedControllerMinorVersion', 'Embedded Controller Minor Version', 'Minor version of the embedded controller firmware.', 0, 15, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentLanguage', 'Current Language', 'Language the BIOS currently uses.', 0, 15, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallableLanguages', 'Installable Languages', 'Number of languages the BIOS can use.', 0, 15, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ListOfLanguages', 'List Of Languages', 'Languages the BIOS can use.', 0, 15, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SoftwareElementID', 'Software Element ID', 'Identifier of the BIOS as a software element.', 0, 15, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SoftwareElementState', 'Software Element State', 'State of the BIOS as a software element.', 0, 15, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TargetOperatingSystem', 'Target Operating System', 'Operating system the BIOS is meant for.', 0, 15, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BuildNumber', 'Build Number', 'Internal build number of the BIOS.', 0, 15, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 15, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 15, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 15, 26, 1);

-- Win32_OnBoardDevice
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 16, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceType', 'Device Type', 'Kind of on-board device (video, sound, Ethernet and so on).', 1, 16, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Enabled', 'Enabled', 'Whether the device is enabled.', 1, 16, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 16, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Model', 'Model', 'Model name given by the manufacturer.', 1, 16, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 1, 16, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number given by the manufacturer.', 0, 16, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the object.', 0, 16, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 16, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 16, 10, 1);

-- Win32_SystemSlot
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SlotDesignation', 'Slot Designation', 'Label of the slot on the board.', 1, 17, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentUsage', 'Current Usage', 'Whether the slot is in use.', 1, 17, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxDataWidth', 'Max Data Width', 'Maximum bus width of the slot.', 1, 17, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Shared', 'Shared', 'Whether the slot is shared with another slot.', 1, 17, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 1, 17, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Number', 'Number', 'Number of the slot.', 0, 17, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsHotPlug', 'Supports Hot Plug', 'Whether cards can be added while the computer runs.', 0, 17, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PMESignal', 'PME Signal', 'Whether the slot supports the power management enable signal.', 0, 17, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 17, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 17, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 17, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 17, 12, 1);

-- Win32_Bus
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 18, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BusType', 'Bus Type', 'Kind of bus.', 1, 18, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BusNum', 'Bus Num', 'Number of the bus instance.', 1, 18, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 1, 18, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 18, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 18, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 18, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 18, 8, 1);

-- Win32_IDEController
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 19, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 19, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 19, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProtocolSupported', 'Protocol Supported', 'Protocol the controller uses to reach its devices.', 1, 19, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 19, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 19, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 19, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 19, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 19, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 19, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 19, 11, 1);

-- Win32_USBController
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 20, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 20, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 20, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProtocolSupported', 'Protocol Supported', 'Protocol the controller uses to reach its devices.', 1, 20, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 20, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 1, 20, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 20, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 20, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 20, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 20, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 20, 11, 1);

-- Win32_USBHub
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 21, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 21, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 21, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 21, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 1, 21, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('USBVersion', 'USB Version', 'USB version the hub supports.', 0, 21, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfPorts', 'Number Of Ports', 'Number of ports of the hub.', 0, 21, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 21, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 21, 9, 1);

-- Win32_SerialPort
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 22, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Name of the port (COM1 and so on).', 1, 22, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 22, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProviderType', 'Provider Type', 'Kind of communication provider.', 1, 22, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxBaudRate', 'Max Baud Rate', 'Maximum speed of the port.', 1, 22, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumInputBufferSize', 'Maximum Input Buffer Size', 'Size of the input buffer of the port.', 1, 22, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumOutputBufferSize', 'Maximum Output Buffer Size', 'Size of the output buffer of the port.', 1, 22, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 22, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Binary', 'Binary', 'Whether the port runs in binary mode.', 0, 22, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OSAutoDiscovered', 'OS Auto Discovered', 'Whether Windows found the port itself.', 0, 22, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettableBaudRate', 'Settable Baud Rate', 'Whether the speed can be changed.', 0, 22, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 22, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 22, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 22, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 22, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 22, 16, 1);

-- Win32_SerialPortConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 23, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BaudRate', 'Baud Rate', 'Speed of the port.', 1, 23, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ByteSize', 'Byte Size', 'Number of data bits per byte.', 1, 23, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Parity', 'Parity', 'Parity scheme of the port.', 1, 23, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StopBits', 'Stop Bits', 'Number of stop bits.', 1, 23, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IsBusy', 'Is Busy', 'Whether the port is in use.', 0, 23, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('XOnXOffOutFlowControl', 'XOn XOff Out Flow Control', 'Whether XON/XOFF flow control is used for output.', 0, 23, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RTSFlowControlType', 'RTS Flow Control Type', 'Kind of RTS flow control.', 0, 23, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DTRFlowControlType', 'DTR Flow Control Type', 'Kind of DTR flow control.', 0, 23, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 23, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 23, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 23, 12, 1);

-- Win32_ParallelPort
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 24, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Name of the port (LPT1 and so on).', 1, 24, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 24, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Capabilities', 'Capabilities', 'Capabilities of the port.', 1, 24, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProtocolSupported', 'Protocol Supported', 'Protocol the port uses.', 1, 24, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DMASupport', 'DMA Support', 'Whether the port supports DMA.', 1, 24, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 24, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OSAutoDiscovered', 'OS Auto Discovered', 'Whether Windows found the port itself.', 0, 24, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 24, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 24, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 24, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 24, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 24, 13, 1);

-- Win32_PortConnector
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tag', 'Tag', 'Unique identifier of the object in the system.', 1, 25, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExternalReferenceDesignator', 'External Reference Designator', 'Label of the connector outside the chassis.', 1, 25, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InternalReferenceDesignator', 'Internal Reference Designator', 'Label of the connector on the board.', 1, 25, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PortType', 'Port Type', 'Function of the port.', 1, 25, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConnectorType', 'Connector Type', 'Physical kind of the connector.', 1, 25, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConnectorPinout', 'Connector Pinout', 'Pin layout of the connector.', 0, 25, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 25, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 25, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 25, 9, 1);

-- Win32_IRQResource
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 26, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IRQNumber', 'IRQ Number', 'Number of the interrupt request line.', 1, 26, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Hardware', 'Hardware', 'Whether the interrupt is hardware-based.', 1, 26, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Shareable', 'Shareable', 'Whether the interrupt can be shared.', 1, 26, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TriggerLevel', 'Trigger Level', 'Whether the interrupt is raised by a high or a low signal.', 1, 26, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TriggerType', 'Trigger Type', 'Whether the interrupt is edge- or level-triggered.', 1, 26, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 1, 26, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Vector', 'Vector', 'Interrupt vector.', 0, 26, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 26, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 26, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 26, 11, 1);

-- Win32_DMAChannel
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 27, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DMAChannel', 'DMA Channel', 'Number of the DMA channel.', 1, 27, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 1, 27, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ByteMode', 'Byte Mode', 'Whether the channel supports byte mode.', 1, 27, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WordMode', 'Word Mode', 'Whether the channel supports word mode.', 1, 27, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ChannelTiming', 'Channel Timing', 'Timing type of the channel.', 1, 27, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TypeCTiming', 'Type C Timing', 'Whether type C timing is supported.', 1, 27, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AddressSize', 'Address Size', 'Address size of the channel, in bits.', 0, 27, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxTransferSize', 'Max Transfer Size', 'Maximum transfer size, in bytes.', 0, 27, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BurstMode', 'Burst Mode', 'Whether burst mode is supported.', 0, 27, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Port', 'Port', 'Port used by the channel.', 0, 27, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TransferWidths', 'Transfer Widths', 'Transfer widths the channel supports.', 0, 27, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 27, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 27, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 27, 15, 1);

-- Win32_DiskDrive
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 29, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Model', 'Model', 'Model name of the disk drive.', 1, 29, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 29, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 1, 29, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 29, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InterfaceType', 'Interface Type', 'Interface of the drive (IDE, SCSI, USB and so on).', 1, 29, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MediaType', 'Media Type', 'Kind of media (fixed, removable).', 1, 29, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Size', 'Size', 'Capacity of the drive.', 1, 29, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number of the drive.', 1, 29, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FirmwareRevision', 'Firmware Revision', 'Firmware revision of the drive.', 1, 29, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Partitions', 'Partitions', 'Number of partitions on the drive.', 1, 29, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Signature', 'Signature', 'Disk signature of the drive.', 1, 29, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BytesPerSector', 'Bytes Per Sector', 'Number of bytes per sector.', 1, 29, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Index', 'Index', 'Number of the drive as Windows counts it.', 1, 29, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 29, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Capabilities', 'Capabilities', 'Capabilities of the drive.', 1, 29, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CapabilityDescriptions', 'Capability Descriptions', 'Descriptions of the capabilities of the drive.', 0, 29, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MediaLoaded', 'Media Loaded', 'Whether media is loaded in the drive.', 0, 29, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SectorsPerTrack', 'Sectors Per Track', 'Number of sectors per track.', 0, 29, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TracksPerCylinder', 'Tracks Per Cylinder', 'Number of tracks per cylinder.', 0, 29, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalCylinders', 'Total Cylinders', 'Number of cylinders.', 0, 29, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalHeads', 'Total Heads', 'Number of heads.', 0, 29, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalSectors', 'Total Sectors', 'Number of sectors.', 0, 29, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalTracks', 'Total Tracks', 'Number of tracks.', 0, 29, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SCSIBus', 'SCSI Bus', 'SCSI bus number of the drive.', 0, 29, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SCSILogicalUnit', 'SCSI Logical Unit', 'SCSI logical unit number of the drive.', 0, 29, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SCSIPort', 'SCSI Port', 'SCSI port number of the drive.', 0, 29, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SCSITargetId', 'SCSI Target ID', 'SCSI target identifier of the drive.', 0, 29, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 29, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 29, 30, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 29, 31, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 29, 32, 1);

-- Win32_DiskPartition
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 30, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DiskIndex', 'Disk Index', 'Number of the disk that holds the partition.', 1, 30, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Index', 'Index', 'Number of the partition on its disk.', 1, 30, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Type', 'Type', 'Kind of partition.', 1, 30, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Size', 'Size', 'Size of the partition.', 1, 30, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BlockSize', 'Block Size', 'Size of the blocks of the partition.', 1, 30, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfBlocks', 'Number Of Blocks', 'Number of blocks of the partition.', 1, 30, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartingOffset', 'Starting Offset', 'Starting offset of the partition, in bytes.', 1, 30, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Bootable', 'Bootable', 'Whether the computer can be started from the partition.', 1, 30, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BootPartition', 'Boot Partition', 'Whether this is the active partition.', 1, 30, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrimaryPartition', 'Primary Partition', 'Whether this is a primary partition.', 1, 30, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 30, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 30, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 30, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 30, 15, 1);

-- Win32_CDROMDrive
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 31, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Drive', 'Drive', 'Drive letter of the optical drive.', 1, 31, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 31, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MediaType', 'Media Type', 'Kind of media the drive can read.', 1, 31, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MediaLoaded', 'Media Loaded', 'Whether a disc is loaded.', 1, 31, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VolumeName', 'Volume Name', 'Volume name of the loaded disc.', 1, 31, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Size', 'Size', 'Size of the loaded disc.', 1, 31, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 31, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TransferRate', 'Transfer Rate', 'Transfer rate of the drive, in kilobytes per second.', 0, 31, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VolumeSerialNumber', 'Volume Serial Number', 'Volume serial number of the loaded disc.', 0, 31, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Serial number given by the manufacturer.', 0, 31, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Id', 'ID', 'Drive letter that identifies the drive.', 0, 31, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 31, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 31, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 31, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 31, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 31, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 31, 18, 1);

-- MSStorageDriver_FailurePredictStatus
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstanceName', 'Instance Name', 'Storage driver instance of the disk.', 1, 32, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Active', 'Active', 'Whether failure prediction is active for the disk.', 1, 32, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PredictFailure', 'Predict Failure', 'Whether the disk predicts a failure.', 1, 32, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Reason', 'Reason', 'Reason code of the predicted failure.', 1, 32, 4, 1);

-- MSStorageDriver_FailurePredictData
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstanceName', 'Instance Name', 'Storage driver instance of the disk.', 1, 33, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Active', 'Active', 'Whether failure prediction is active for the disk.', 1, 33, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Length', 'Length', 'Length of the SMART data, in bytes.', 1, 33, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VendorSpecific', 'Vendor Specific', 'SMART attribute data of the disk.', 1, 33, 4, 1);

-- MSStorageDriver_FailurePredictThresholds
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstanceName', 'Instance Name', 'Storage driver instance of the disk.', 1, 34, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Active', 'Active', 'Whether failure prediction is active for the disk.', 1, 34, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VendorSpecific', 'Vendor Specific', 'SMART threshold data of the disk.', 1, 34, 3, 1);

-- Win32_AutochkSetting
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 1, 35, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserInputDelay', 'User Input Delay', 'Time the user has to cancel the disk check.', 1, 35, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 35, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 35, 4, 1);

-- Win32_VideoController
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 37, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 1, 37, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 37, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AdapterCompatibility', 'Adapter Compatibility', 'Maker of the chip set of the adapter.', 1, 37, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VideoProcessor', 'Video Processor', 'Video processor of the adapter.', 1, 37, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AdapterRAM', 'Adapter RAM', 'Memory of the video adapter.', 1, 37, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AdapterDACType', 'Adapter DAC Type', 'Digital-to-analog converter of the adapter.', 1, 37, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverVersion', 'Driver Version', 'Version of the device driver.', 1, 37, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverDate', 'Driver Date', 'Date of the device driver.', 1, 37, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VideoModeDescription', 'Video Mode Description', 'Current resolution and colours.', 1, 37, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentHorizontalResolution', 'Current Horizontal Resolution', 'Current horizontal resolution.', 1, 37, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentVerticalResolution', 'Current Vertical Resolution', 'Current vertical resolution.', 1, 37, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentBitsPerPixel', 'Current Bits Per Pixel', 'Current colour depth.', 1, 37, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentNumberOfColors', 'Current Number Of Colors', 'Number of colours in the current mode.', 1, 37, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentRefreshRate', 'Current Refresh Rate', 'Current refresh rate.', 1, 37, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MinRefreshRate', 'Min Refresh Rate', 'Lowest refresh rate of the adapter.', 1, 37, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxRefreshRate', 'Max Refresh Rate', 'Highest refresh rate of the adapter.', 1, 37, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentScanMode', 'Current Scan Mode', 'Current scan mode (interlaced or not).', 1, 37, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VideoArchitecture', 'Video Architecture', 'Video architecture of the adapter.', 1, 37, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VideoMemoryType', 'Video Memory Type', 'Kind of video memory.', 1, 37, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstalledDisplayDrivers', 'Installed Display Drivers', 'Display drivers installed for the adapter.', 0, 37, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InfFilename', 'INF File Name', 'Setup information file of the driver.', 0, 37, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Monochrome', 'Monochrome', 'Whether the adapter is in monochrome mode.', 0, 37, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 37, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 37, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 37, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 37, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 37, 28, 1);

-- Win32_DesktopMonitor
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 38, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MonitorManufacturer', 'Monitor Manufacturer', 'Manufacturer of the monitor.', 1, 38, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MonitorType', 'Monitor Type', 'Kind of monitor.', 1, 38, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScreenWidth', 'Screen Width', 'Width of the screen, in pixels.', 1, 38, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScreenHeight', 'Screen Height', 'Height of the screen, in pixels.', 1, 38, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PixelsPerXLogicalInch', 'Pixels Per X Logical Inch', 'Horizontal resolution, in pixels per logical inch.', 1, 38, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PixelsPerYLogicalInch', 'Pixels Per Y Logical Inch', 'Vertical resolution, in pixels per logical inch.', 1, 38, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 38, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayType', 'Display Type', 'Kind of display.', 0, 38, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 38, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 38, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 38, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 38, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 38, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 38, 15, 1);

-- Win32_DisplayConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceName', 'Device Name', 'Name of the display adapter.', 1, 39, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverVersion', 'Driver Version', 'Version of the device driver.', 1, 39, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PelsWidth', 'Pels Width', 'Horizontal resolution of the display.', 1, 39, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PelsHeight', 'Pels Height', 'Vertical resolution of the display.', 1, 39, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BitsPerPel', 'Bits Per Pel', 'Colour depth of the display.', 1, 39, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayFrequency', 'Display Frequency', 'Refresh rate of the display.', 1, 39, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LogPixels', 'Log Pixels', 'Logical resolution of the display.', 1, 39, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ICMIntent', 'ICM Intent', 'Colour matching intent.', 0, 39, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ICMMethod', 'ICM Method', 'How colour matching is done.', 0, 39, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayFlags', 'Display Flags', 'Display flags (grey scale, interlaced).', 0, 39, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DitherType', 'Dither Type', 'Dithering method.', 0, 39, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SpecificationVersion', 'Specification Version', 'Version of the initialisation data structure.', 0, 39, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 39, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 39, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 39, 15, 1);

-- Win32_DisplayControllerConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 40, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VideoMode', 'Video Mode', 'Current video mode.', 1, 40, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HorizontalResolution', 'Horizontal Resolution', 'Horizontal resolution, in pixels.', 1, 40, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VerticalResolution', 'Vertical Resolution', 'Vertical resolution, in pixels.', 1, 40, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BitsPerPixel', 'Bits Per Pixel', 'Colour depth, in bits per pixel.', 1, 40, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RefreshRate', 'Refresh Rate', 'Refresh rate.', 1, 40, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ColorPlanes', 'Color Planes', 'Number of colour planes.', 1, 40, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceEntriesInAColorTable', 'Device Entries In A Color Table', 'Number of entries in the colour table.', 0, 40, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceSpecificPens', 'Device Specific Pens', 'Number of device-specific pens.', 0, 40, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ReservedSystemPaletteEntries', 'Reserved System Palette Entries', 'Number of reserved palette entries.', 0, 40, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemPaletteEntries', 'System Palette Entries', 'Number of palette entries.', 0, 40, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 40, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 40, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 40, 14, 1);

-- CIM_VideoControllerResolution
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 1, 41, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HorizontalResolution', 'Horizontal Resolution', 'Horizontal resolution, in pixels.', 1, 41, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VerticalResolution', 'Vertical Resolution', 'Vertical resolution, in pixels.', 1, 41, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfColors', 'Number Of Colors', 'Number of colours.', 1, 41, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RefreshRate', 'Refresh Rate', 'Refresh rate.', 1, 41, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MinRefreshRate', 'Min Refresh Rate', 'Lowest refresh rate.', 1, 41, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxRefreshRate', 'Max Refresh Rate', 'Highest refresh rate.', 1, 41, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScanMode', 'Scan Mode', 'Scan mode (interlaced or not).', 1, 41, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 41, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 41, 10, 1);

-- Win32_SoundDevice
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 43, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProductName', 'Product Name', 'Product name of the sound device.', 1, 43, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 43, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 43, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 1, 43, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 43, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DMABufferSize', 'DMA Buffer Size', 'Size of the DMA buffer.', 0, 43, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MPU401Address', 'MPU401 Address', 'Starting address of the MPU-401 port.', 0, 43, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 43, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 43, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 43, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 43, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 43, 13, 1);

-- Win32_NetworkAdapter
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 45, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 45, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProductName', 'Product Name', 'Product name of the adapter.', 1, 45, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NetConnectionID', 'Net Connection ID', 'Name of the network connection.', 1, 45, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NetConnectionStatus', 'Net Connection Status', 'State of the network connection.', 1, 45, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MACAddress', 'MAC Address', 'Media access control address of the adapter.', 1, 45, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AdapterType', 'Adapter Type', 'Kind of network the adapter connects to.', 1, 45, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AdapterTypeId', 'Adapter Type ID', 'Kind of network, as a code.', 1, 45, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Speed', 'Speed', 'Bandwidth of the adapter, in bits per second.', 1, 45, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PhysicalAdapter', 'Physical Adapter', 'Whether the adapter is a physical adapter.', 1, 45, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NetEnabled', 'Net Enabled', 'Whether the adapter is enabled.', 1, 45, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServiceName', 'Service Name', 'Service name of the adapter driver.', 0, 45, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GUID', 'GUID', 'Globally unique identifier of the connection.', 0, 45, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxSpeed', 'Max Speed', 'Maximum speed of the adapter.', 0, 45, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Index', 'Index', 'Index number of the object.', 0, 45, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InterfaceIndex', 'Interface Index', 'Index of the interface in the routing table.', 0, 45, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TimeOfLastReset', 'Time Of Last Reset', 'Time the adapter was last reset.', 0, 45, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AutoSense', 'Auto Sense', 'Whether the adapter detects the speed itself.', 0, 45, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Installed', 'Installed', 'Whether the adapter is installed.', 0, 45, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxNumberControlled', 'Max Number Controlled', 'Maximum number of ports the adapter controls.', 0, 45, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PowerManagementSupported', 'Power Management Supported', 'Whether the device can be power-managed.', 0, 45, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 45, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 45, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 45, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 45, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 45, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 45, 27, 1);

-- Win32_NetworkAdapterConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 46, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 1, 46, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IPEnabled', 'IP Enabled', 'Whether TCP/IP is bound and enabled on the adapter.', 1, 46, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MACAddress', 'MAC Address', 'Media access control address of the adapter.', 1, 46, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IPAddress', 'IP Address', 'IP addresses of the adapter.', 1, 46, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IPSubnet', 'IP Subnet', 'Subnet masks of the adapter''s addresses.', 1, 46, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DefaultIPGateway', 'Default IP Gateway', 'Default gateways of the adapter.', 1, 46, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DHCPEnabled', 'DHCP Enabled', 'Whether the address is assigned by DHCP.', 1, 46, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DHCPServer', 'DHCP Server', 'Address of the DHCP server.', 1, 46, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DHCPLeaseObtained', 'DHCP Lease Obtained', 'Time the DHCP lease was obtained.', 1, 46, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DHCPLeaseExpires', 'DHCP Lease Expires', 'Time the DHCP lease expires.', 1, 46, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DNSHostName', 'DNS Host Name', 'Host name registered in DNS.', 1, 46, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DNSDomain', 'DNS Domain', 'DNS domain of the adapter.', 1, 46, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DNSServerSearchOrder', 'DNS Server Search Order', 'DNS servers the adapter asks, in order.', 1, 46, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DNSDomainSuffixSearchOrder', 'DNS Domain Suffix Search Order', 'DNS suffixes appended when resolving names.', 0, 46, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WINSPrimaryServer', 'WINS Primary Server', 'Primary WINS server.', 1, 46, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WINSSecondaryServer', 'WINS Secondary Server', 'Secondary WINS server.', 1, 46, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServiceName', 'Service Name', 'Service name of the adapter driver.', 1, 46, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Index', 'Index', 'Index number of the object.', 1, 46, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InterfaceIndex', 'Interface Index', 'Index of the interface in the routing table.', 0, 46, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 46, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MTU', 'MTU', 'Maximum transmission unit.', 0, 46, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IPConnectionMetric', 'IP Connection Metric', 'Cost of using the configured routes.', 0, 46, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TcpipNetbiosOptions', 'TCP/IP NetBIOS Options', 'NetBIOS over TCP/IP setting.', 0, 46, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FullDNSRegistrationEnabled', 'Full DNS Registration Enabled', 'Whether the adapter registers its addresses in DNS.', 0, 46, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DomainDNSRegistrationEnabled', 'Domain DNS Registration Enabled', 'Whether the adapter registers under its own DNS domain.', 0, 46, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DNSEnabledForWINSResolution', 'DNS Enabled For WINS Resolution', 'Whether DNS is used for WINS resolution.', 0, 46, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IPFilterSecurityEnabled', 'IP Filter Security Enabled', 'Whether IP port filtering is on.', 0, 46, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DefaultTTL', 'Default TTL', 'Default time to live of outgoing packets.', 0, 46, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DatabasePath', 'Database Path', 'Path of the standard Internet database files.', 0, 46, 30, 1);

-- Win32_Keyboard
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 48, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 48, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Layout', 'Layout', 'Keyboard layout code.', 1, 48, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfFunctionKeys', 'Number Of Function Keys', 'Number of function keys.', 1, 48, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 48, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 48, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 48, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 48, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 48, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 48, 10, 1);

-- Win32_PointingDevice
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 49, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 49, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HardwareType', 'Hardware Type', 'Kind of pointing device hardware.', 1, 49, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PointingType', 'Pointing Type', 'Kind of pointing device.', 1, 49, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceInterface', 'Device Interface', 'Interface the device is attached through.', 1, 49, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfButtons', 'Number Of Buttons', 'Number of buttons.', 1, 49, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Handedness', 'Handedness', 'Whether the device is set up for the left or right hand.', 1, 49, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DoubleSpeedThreshold', 'Double Speed Threshold', 'Movement at which the pointer speed doubles.', 1, 49, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('QuadSpeedThreshold', 'Quad Speed Threshold', 'Movement at which the pointer speed quadruples.', 1, 49, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 49, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SampleRate', 'Sample Rate', 'Sample rate of the device, in hertz.', 0, 49, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Resolution', 'Resolution', 'Tracking resolution of the device.', 0, 49, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InfFileName', 'INF File Name', 'Setup information file of the driver.', 0, 49, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InfSection', 'INF Section', 'Section of the setup information file.', 0, 49, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 49, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 49, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 49, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 49, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 49, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 49, 20, 1);

-- Win32_Printer
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 51, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverName', 'Driver Name', 'Name of the printer driver.', 1, 51, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PortName', 'Port Name', 'Port the printer is attached to.', 1, 51, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Default', 'Default', 'Whether this is the default printer.', 1, 51, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Local', 'Local', 'Whether the printer is a local printer.', 1, 51, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Network', 'Network', 'Whether the printer is a network printer.', 1, 51, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Shared', 'Shared', 'Whether the printer is shared.', 1, 51, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ShareName', 'Share Name', 'Share name of the printer.', 1, 51, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Location', 'Location', 'Location of the printer.', 1, 51, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Comment', 'Comment', 'Comment on the printer.', 1, 51, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServerName', 'Server Name', 'Print server of the printer.', 1, 51, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrinterStatus', 'Printer Status', 'Status of the printer.', 1, 51, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExtendedPrinterStatus', 'Extended Printer Status', 'Detailed status of the printer.', 1, 51, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrinterState', 'Printer State', 'State of the printer.', 1, 51, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DetectedErrorState', 'Detected Error State', 'Error detected by the printer.', 1, 51, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExtendedDetectedErrorState', 'Extended Detected Error State', 'Detailed error detected by the printer.', 0, 51, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Attributes', 'Attributes', 'Attributes of the printer.', 0, 51, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HorizontalResolution', 'Horizontal Resolution', 'Horizontal resolution of the printer.', 0, 51, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VerticalResolution', 'Vertical Resolution', 'Vertical resolution of the printer.', 0, 51, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WorkOffline', 'Work Offline', 'Whether the printer works offline.', 0, 51, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Queued', 'Queued', 'Whether print jobs are queued before printing.', 0, 51, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SpoolEnabled', 'Spool Enabled', 'Whether spooling is on.', 0, 51, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EnableBIDI', 'Enable BIDI', 'Whether bidirectional printing is on.', 0, 51, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Hidden', 'Hidden', 'Whether the printer is hidden.', 0, 51, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Published', 'Published', 'Whether the printer is published in the directory.', 0, 51, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrintProcessor', 'Print Processor', 'Print processor of the printer.', 0, 51, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Capabilities', 'Capabilities', 'Capabilities of the printer.', 0, 51, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CapabilityDescriptions', 'Capability Descriptions', 'Descriptions of the capabilities of the printer.', 0, 51, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PaperSizesSupported', 'Paper Sizes Supported', 'Paper sizes the printer supports.', 0, 51, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 51, 30, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 51, 31, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 51, 32, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 51, 33, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 51, 34, 1);

-- Win32_PrinterConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 52, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceName', 'Device Name', 'Name of the printer.', 1, 52, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverVersion', 'Driver Version', 'Version of the device driver.', 1, 52, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PaperSize', 'Paper Size', 'Paper size in use.', 1, 52, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PaperWidth', 'Paper Width', 'Width of the paper.', 1, 52, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PaperLength', 'Paper Length', 'Length of the paper.', 1, 52, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Orientation', 'Orientation', 'Page orientation.', 1, 52, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Color', 'Color', 'Whether the printer prints in colour.', 1, 52, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Duplex', 'Duplex', 'Whether double-sided printing is on.', 1, 52, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Copies', 'Copies', 'Number of copies printed.', 1, 52, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrintQuality', 'Print Quality', 'Print quality, in dots per inch.', 1, 52, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MediaType', 'Media Type', 'Kind of media printed on.', 1, 52, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ICMIntent', 'ICM Intent', 'Colour matching intent.', 1, 52, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ICMMethod', 'ICM Method', 'How colour matching is done.', 1, 52, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('XResolution', 'X Resolution', 'Horizontal resolution, in dots per inch.', 0, 52, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('YResolution', 'Y Resolution', 'Vertical resolution, in dots per inch.', 0, 52, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HorizontalResolution', 'Horizontal Resolution', 'Horizontal resolution of the printer.', 0, 52, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VerticalResolution', 'Vertical Resolution', 'Vertical resolution of the printer.', 0, 52, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Collate', 'Collate', 'Whether multiple copies are collated.', 0, 52, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Scale', 'Scale', 'Scaling factor, in percent.', 0, 52, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FormName', 'Form Name', 'Name of the paper form.', 0, 52, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TTOption', 'TT Option', 'How TrueType fonts are printed.', 0, 52, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DitherType', 'Dither Type', 'Dithering method.', 0, 52, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BitsPerPel', 'Bits Per Pel', 'Colour depth of the printer.', 0, 52, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PelsWidth', 'Pels Width', 'Width of the printable area, in pixels.', 0, 52, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PelsHeight', 'Pels Height', 'Height of the printable area, in pixels.', 0, 52, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayFrequency', 'Display Frequency', 'Refresh rate of a display device.', 0, 52, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayFlags', 'Display Flags', 'Display flags of the device.', 0, 52, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LogPixels', 'Log Pixels', 'Logical resolution of the device.', 0, 52, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SpecificationVersion', 'Specification Version', 'Version of the initialisation data structure.', 0, 52, 30, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 52, 31, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 52, 32, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 52, 33, 1);

-- Win32_POTSModem
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 54, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProviderName', 'Provider Name', 'Network provider of the modem.', 1, 54, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AttachedTo', 'Attached To', 'Port the modem is attached to.', 1, 54, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceType', 'Device Type', 'Kind of modem (internal, external).', 1, 54, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxBaudRateToSerialPort', 'Max Baud Rate To Serial Port', 'Maximum speed between the modem and its port.', 1, 54, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxBaudRateToPhone', 'Max Baud Rate To Phone', 'Maximum speed over the telephone line.', 1, 54, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Model', 'Model', 'Model name given by the manufacturer.', 1, 54, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 54, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 54, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 0, 54, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 0, 54, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 54, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 54, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 54, 14, 1);

-- Win32_Battery
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 56, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 56, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Chemistry', 'Chemistry', 'Battery chemistry.', 1, 56, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BatteryStatus', 'Battery Status', 'Charging state of the battery.', 1, 56, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EstimatedChargeRemaining', 'Estimated Charge Remaining', 'Remaining charge.', 1, 56, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EstimatedRunTime', 'Estimated Run Time', 'Estimated time left on the battery.', 1, 56, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DesignCapacity', 'Design Capacity', 'Design capacity, in milliwatt-hours.', 1, 56, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FullChargeCapacity', 'Full Charge Capacity', 'Full charge capacity, in milliwatt-hours.', 1, 56, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DesignVoltage', 'Design Voltage', 'Design voltage of the battery.', 1, 56, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TimeToFullCharge', 'Time To Full Charge', 'Time until the battery is fully charged.', 1, 56, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BatteryRechargeTime', 'Battery Recharge Time', 'Time needed to recharge the battery.', 1, 56, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExpectedLife', 'Expected Life', 'Expected life of a fully charged battery.', 1, 56, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExpectedBatteryLife', 'Expected Battery Life', 'Expected time until the battery is discharged.', 0, 56, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxRechargeTime', 'Max Recharge Time', 'Maximum time needed to recharge the battery.', 0, 56, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 56, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 56, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 56, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 56, 18, 1);

-- MSAcpi_ThermalZoneTemperature
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstanceName', 'Instance Name', 'ACPI instance of the thermal zone.', 1, 58, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentTemperature', 'Current Temperature', 'Current temperature of the thermal zone.', 1, 58, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CriticalTripPoint', 'Critical Trip Point', 'Temperature at which the computer shuts down.', 1, 58, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PassiveTripPoint', 'Passive Trip Point', 'Temperature at which the processor is slowed down.', 1, 58, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ActiveTripPoint', 'Active Trip Point', 'Temperatures at which the fans are switched on.', 1, 58, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ActiveTripPointCount', 'Active Trip Point Count', 'Number of active trip points.', 1, 58, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Active', 'Active', 'Whether the thermal zone is active.', 1, 58, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SamplingPeriod', 'Sampling Period', 'Sampling period of the thermal zone, in tenths of a second.', 0, 58, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThermalStamp', 'Thermal Stamp', 'Change counter of the thermal zone.', 0, 58, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThermalConstant1', 'Thermal Constant1', 'First thermal constant of the zone.', 0, 58, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThermalConstant2', 'Thermal Constant2', 'Second thermal constant of the zone.', 0, 58, 11, 1);

-- Win32_Fan
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 59, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 59, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ActiveCooling', 'Active Cooling', 'Whether the fan cools actively.', 1, 59, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VariableSpeed', 'Variable Speed', 'Whether the fan speed can vary.', 1, 59, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DesiredSpeed', 'Desired Speed', 'Speed the fan is set to, in revolutions per minute.', 1, 59, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 59, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 59, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 59, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 59, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 59, 10, 1);

-- Win32_TemperatureProbe
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 60, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 60, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentReading', 'Current Reading', 'Current reading of the probe, in tenths of a degree Celsius.', 1, 60, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NominalReading', 'Nominal Reading', 'Normal reading of the probe, in tenths of a degree Celsius.', 1, 60, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxReadable', 'Max Readable', 'Highest reading the probe can give.', 1, 60, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MinReadable', 'Min Readable', 'Lowest reading the probe can give.', 1, 60, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 60, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Accuracy', 'Accuracy', 'Accuracy of the probe, in hundredths of a percent.', 0, 60, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Tolerance', 'Tolerance', 'Tolerance of the probe.', 0, 60, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 60, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 60, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 60, 12, 1);

-- Win32_OperatingSystem
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Full name of the operating system.', 1, 63, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 63, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Maker of the operating system.', 1, 63, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version number of the operating system.', 1, 63, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BuildNumber', 'Build Number', 'Build number of the operating system.', 1, 63, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CSDVersion', 'CSD Version', 'Latest service pack installed.', 1, 63, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServicePackMajorVersion', 'Service Pack Major Version', 'Major version of the latest service pack.', 1, 63, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServicePackMinorVersion', 'Service Pack Minor Version', 'Minor version of the latest service pack.', 1, 63, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OSArchitecture', 'OS Architecture', 'Architecture of the operating system (32-bit, 64-bit).', 1, 63, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OSType', 'OS Type', 'Kind of operating system.', 1, 63, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProductType', 'Product Type', 'Workstation, domain controller or server.', 1, 63, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OperatingSystemSKU', 'Operating System SKU', 'Edition of the operating system.', 1, 63, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OSProductSuite', 'OS Product Suite', 'Product suites installed.', 1, 63, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SuiteMask', 'Suite Mask', 'Product suites available on the system.', 1, 63, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Product serial number of the operating system.', 1, 63, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RegisteredUser', 'Registered User', 'Name of the registered user.', 1, 63, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Organization', 'Organization', 'Name of the registered organisation.', 1, 63, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the operating system was installed.', 1, 63, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LastBootUpTime', 'Last Boot Up Time', 'Date and time the operating system was last started.', 1, 63, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LocalDateTime', 'Local Date Time', 'Local date and time of the computer.', 1, 63, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentTimeZone', 'Current Time Zone', 'Offset of the local time from UTC, in minutes.', 1, 63, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CSName', 'CS Name', 'Name of the computer.', 1, 63, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WindowsDirectory', 'Windows Directory', 'Windows folder.', 1, 63, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemDirectory', 'System Directory', 'System folder.', 1, 63, 24, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemDrive', 'System Drive', 'Drive that holds the operating system.', 1, 63, 25, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BootDevice', 'Boot Device', 'Disk drive the operating system starts from.', 1, 63, 26, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemDevice', 'System Device', 'Disk partition that holds the operating system.', 1, 63, 27, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalVisibleMemorySize', 'Total Visible Memory Size', 'Physical memory available to the operating system.', 1, 63, 28, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FreePhysicalMemory', 'Free Physical Memory', 'Physical memory currently unused.', 1, 63, 29, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalVirtualMemorySize', 'Total Virtual Memory Size', 'Virtual memory available.', 1, 63, 30, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FreeVirtualMemory', 'Free Virtual Memory', 'Virtual memory currently unused.', 1, 63, 31, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SizeStoredInPagingFiles', 'Size Stored In Paging Files', 'Total size of the paging files.', 1, 63, 32, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FreeSpaceInPagingFiles', 'Free Space In Paging Files', 'Free space in the paging files.', 1, 63, 33, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxProcessMemorySize', 'Max Process Memory Size', 'Maximum memory a process can use.', 1, 63, 34, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfProcesses', 'Number Of Processes', 'Number of processes running.', 1, 63, 35, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfUsers', 'Number Of Users', 'Number of user sessions.', 1, 63, 36, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Locale', 'Locale', 'Language identifier of the operating system.', 1, 63, 37, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OSLanguage', 'OS Language', 'Language of the installed operating system.', 1, 63, 38, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CountryCode', 'Country Code', 'Country code of the operating system.', 1, 63, 39, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CodeSet', 'Code Set', 'Code page of the operating system.', 1, 63, 40, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EncryptionLevel', 'Encryption Level', 'Encryption level of secure transactions.', 1, 63, 41, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ForegroundApplicationBoost', 'Foreground Application Boost', 'Priority boost of the foreground application.', 1, 63, 42, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('QuantumLength', 'Quantum Length', 'Length of the scheduler''s time slice.', 1, 63, 43, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('QuantumType', 'Quantum Type', 'Kind of scheduler time slice.', 1, 63, 44, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DataExecutionPrevention_Available', 'Data Execution Prevention Available', 'Whether data execution prevention is available.', 1, 63, 45, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DataExecutionPrevention_SupportPolicy', 'Data Execution Prevention Support Policy', 'Data execution prevention policy in force.', 1, 63, 46, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DataExecutionPrevention_32BitApplications', 'Data Execution Prevention 32-Bit Applications', 'Whether data execution prevention covers 32-bit programs.', 0, 63, 47, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DataExecutionPrevention_Drivers', 'Data Execution Prevention Drivers', 'Whether data execution prevention covers drivers.', 0, 63, 48, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MUILanguages', 'MUI Languages', 'User interface languages installed.', 0, 63, 49, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PortableOperatingSystem', 'Portable Operating System', 'Whether the system was started from an external drive.', 0, 63, 50, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfLicensedUsers', 'Number Of Licensed Users', 'Number of user licences.', 0, 63, 51, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxNumberOfProcesses', 'Max Number Of Processes', 'Maximum number of processes.', 0, 63, 52, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BuildType', 'Build Type', 'Kind of build (retail, checked).', 0, 63, 53, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Debug', 'Debug', 'Whether a checked (debug) build is installed.', 0, 63, 54, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Distributed', 'Distributed', 'Whether the system is distributed across several nodes.', 0, 63, 55, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Primary', 'Primary', 'Whether this is the primary operating system.', 0, 63, 56, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 63, 57, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 63, 58, 1);

-- Win32_OSRecoveryConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 64, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AutoReboot', 'Auto Reboot', 'Whether the computer restarts after a stop error.', 1, 64, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WriteToSystemLog', 'Write To System Log', 'Whether the stop error is written to the system log.', 1, 64, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SendAdminAlert', 'Send Admin Alert', 'Whether an alert is sent to the administrators.', 1, 64, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WriteDebugInfo', 'Write Debug Info', 'Whether debugging information is written.', 1, 64, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DebugInfoType', 'Debug Info Type', 'Kind of memory dump written.', 1, 64, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DebugFilePath', 'Debug File Path', 'Path of the memory dump file.', 1, 64, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OverwriteExistingDebugFile', 'Overwrite Existing Debug File', 'Whether an older dump file is overwritten.', 1, 64, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MiniDumpDirectory', 'Mini Dump Directory', 'Folder of the small memory dumps.', 1, 64, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KernelDumpOnly', 'Kernel Dump Only', 'Whether only kernel memory is dumped.', 0, 64, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExpandedDebugFilePath', 'Expanded Debug File Path', 'Path of the memory dump file, expanded.', 0, 64, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExpandedMiniDumpDirectory', 'Expanded Mini Dump Directory', 'Folder of the small memory dumps, expanded.', 0, 64, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 64, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 64, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 64, 15, 1);

-- Win32_TimeZone
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Name of the time zone.', 1, 65, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StandardName', 'Standard Name', 'Name of standard time.', 1, 65, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaylightName', 'Daylight Name', 'Name of daylight saving time.', 1, 65, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Bias', 'Bias', 'Offset of standard time from UTC, in minutes.', 1, 65, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaylightBias', 'Daylight Bias', 'Extra offset during daylight saving time, in minutes.', 1, 65, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StandardBias', 'Standard Bias', 'Extra offset during standard time, in minutes.', 1, 65, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaylightMonth', 'Daylight Month', 'Month daylight saving time starts.', 0, 65, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaylightDay', 'Daylight Day', 'Week of the month daylight saving time starts.', 0, 65, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaylightDayOfWeek', 'Daylight Day Of Week', 'Day of the week daylight saving time starts.', 0, 65, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StandardMonth', 'Standard Month', 'Month standard time starts.', 0, 65, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StandardDay', 'Standard Day', 'Week of the month standard time starts.', 0, 65, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StandardDayOfWeek', 'Standard Day Of Week', 'Day of the week standard time starts.', 0, 65, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 65, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 65, 14, 1);

-- Win32_Environment
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the variable.', 1, 66, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VariableValue', 'Variable Value', 'Value of the variable.', 1, 66, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserName', 'User Name', 'Owner of the variable ("<SYSTEM>" for system variables).', 1, 66, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemVariable', 'System Variable', 'Whether the variable is a system variable.', 1, 66, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 66, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 66, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 66, 7, 1);

-- Win32_QuickFixEngineering
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HotFixID', 'Hot Fix ID', 'Identifier of the update (KB number).', 1, 67, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Kind of update.', 1, 67, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstalledOn', 'Installed On', 'Date the update was installed.', 1, 67, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstalledBy', 'Installed By', 'User who installed the update.', 1, 67, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Web address with details of the update.', 1, 67, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FixComments', 'Fix Comments', 'Further comments on the update.', 0, 67, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServicePackInEffect', 'Service Pack In Effect', 'Service pack in effect when the update was installed.', 0, 67, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CSName', 'CS Name', 'Name of the computer.', 0, 67, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 67, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 67, 10, 1);

-- Win32_WinSAT
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WinSPRLevel', 'WinSPR Level', 'Base score of the computer.', 1, 68, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CPUScore', 'CPU Score', 'Processor score.', 1, 68, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MemoryScore', 'Memory Score', 'Memory score.', 1, 68, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GraphicsScore', 'Graphics Score', 'Desktop graphics score.', 1, 68, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('D3DScore', 'D3D Score', 'Gaming graphics score.', 1, 68, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DiskScore', 'Disk Score', 'Primary disk score.', 1, 68, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WinSATAssessmentState', 'WinSAT Assessment State', 'State of the assessment.', 1, 68, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TimeTaken', 'Time Taken', 'Time the assessment was taken.', 0, 68, 8, 1);

-- Win32_Process
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'File name of the program.', 1, 71, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProcessId', 'Process ID', 'Identifier of the process.', 1, 71, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ParentProcessId', 'Parent Process ID', 'Identifier of the process that started it.', 1, 71, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExecutablePath', 'Executable Path', 'Full path of the program file.', 1, 71, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CommandLine', 'Command Line', 'Command line the process was started with.', 1, 71, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CreationDate', 'Creation Date', 'Time the process started.', 1, 71, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Priority', 'Priority', 'Scheduling priority of the process.', 1, 71, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThreadCount', 'Thread Count', 'Number of threads of the process.', 1, 71, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HandleCount', 'Handle Count', 'Number of handles the process holds open.', 1, 71, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WorkingSetSize', 'Working Set Size', 'Memory the process uses now.', 1, 71, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PeakWorkingSetSize', 'Peak Working Set Size', 'Most memory the process has used.', 1, 71, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VirtualSize', 'Virtual Size', 'Virtual address space in use.', 1, 71, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PeakVirtualSize', 'Peak Virtual Size', 'Most virtual address space used.', 1, 71, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PageFileUsage', 'Page File Usage', 'Page file space in use.', 1, 71, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PeakPageFileUsage', 'Peak Page File Usage', 'Most page file space used.', 1, 71, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SessionId', 'Session ID', 'Terminal session of the process.', 1, 71, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PrivatePageCount', 'Private Page Count', 'Number of private memory pages.', 0, 71, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PageFaults', 'Page Faults', 'Number of page faults.', 0, 71, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KernelModeTime', 'Kernel Mode Time', 'Time spent in kernel mode, in 100-nanosecond units.', 0, 71, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserModeTime', 'User Mode Time', 'Time spent in user mode, in 100-nanosecond units.', 0, 71, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ReadOperationCount', 'Read Operation Count', 'Number of read operations.', 0, 71, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WriteOperationCount', 'Write Operation Count', 'Number of write operations.', 0, 71, 22, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 71, 23, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 71, 24, 1);

-- Win32_Thread
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProcessHandle', 'Process Handle', 'Identifier of the process that owns the thread.', 1, 72, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Handle', 'Handle', 'Identifier of the thread.', 1, 72, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThreadState', 'Thread State', 'Current state of the thread.', 1, 72, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ThreadWaitReason', 'Thread Wait Reason', 'Why the thread is waiting.', 1, 72, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Priority', 'Priority', 'Current priority of the thread.', 1, 72, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PriorityBase', 'Priority Base', 'Base priority of the thread.', 1, 72, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ElapsedTime', 'Elapsed Time', 'Time since the thread was created, in milliseconds.', 1, 72, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KernelModeTime', 'Kernel Mode Time', 'Time spent in kernel mode, in milliseconds.', 0, 72, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserModeTime', 'User Mode Time', 'Time spent in user mode, in milliseconds.', 0, 72, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartAddress', 'Start Address', 'Start address of the thread.', 0, 72, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 72, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 72, 12, 1);

-- Win32_Service
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Service name.', 1, 75, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayName', 'Display Name', 'Name shown for the service.', 1, 75, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartMode', 'Start Mode', 'How the service is started (Auto, Manual, Disabled).', 1, 75, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('State', 'State', 'Current state of the service.', 1, 75, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Started', 'Started', 'Whether the service is running.', 1, 75, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartName', 'Start Name', 'Account the service runs under.', 1, 75, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PathName', 'Path Name', 'Command line of the service program.', 1, 75, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServiceType', 'Service Type', 'Kind of service.', 1, 75, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProcessId', 'Process ID', 'Process the service runs in.', 1, 75, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AcceptStop', 'Accept Stop', 'Whether the service can be stopped.', 1, 75, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AcceptPause', 'Accept Pause', 'Whether the service can be paused.', 1, 75, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 75, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DelayedAutoStart', 'Delayed Auto Start', 'Whether an automatic start is delayed.', 0, 75, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ErrorControl', 'Error Control', 'What happens when the service fails to start.', 0, 75, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ExitCode', 'Exit Code', 'Last exit code of the service.', 0, 75, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DesktopInteract', 'Desktop Interact', 'Whether the service can interact with the desktop.', 0, 75, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 75, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 75, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemName', 'System Name', 'Name of the computer that holds the object.', 0, 75, 19, 1);

-- Win32_SystemDriver
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 77, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayName', 'Display Name', 'Name shown for the driver.', 1, 77, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartMode', 'Start Mode', 'How the driver is started.', 1, 77, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('State', 'State', 'Current state of the driver.', 1, 77, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PathName', 'Path Name', 'Path of the driver file.', 1, 77, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServiceType', 'Service Type', 'Kind of driver.', 1, 77, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Started', 'Started', 'Whether the driver is running.', 1, 77, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ErrorControl', 'Error Control', 'What happens when the driver fails to start.', 1, 77, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AcceptStop', 'Accept Stop', 'Whether the driver can be stopped.', 0, 77, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AcceptPause', 'Accept Pause', 'Whether the driver can be paused.', 0, 77, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 77, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 77, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 77, 13, 1);

-- Win32_PnPSignedDriver
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceName', 'Device Name', 'Name of the device.', 1, 78, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceClass', 'Device Class', 'Class of the device.', 1, 78, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverVersion', 'Driver Version', 'Version of the device driver.', 1, 78, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverDate', 'Driver Date', 'Date of the device driver.', 1, 78, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriverProviderName', 'Driver Provider Name', 'Provider of the driver.', 1, 78, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 78, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IsSigned', 'Is Signed', 'Whether the driver is signed.', 1, 78, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Signer', 'Signer', 'Signer of the driver.', 1, 78, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InfName', 'INF Name', 'Setup information file of the driver.', 1, 78, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 78, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HardWareID', 'Hardware ID', 'Hardware identifier of the device.', 0, 78, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 78, 12, 1);

-- Win32_LogicalDisk
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Drive letter.', 1, 80, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 80, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriveType', 'Drive Type', 'Kind of drive (local, network, removable and so on).', 1, 80, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VolumeName', 'Volume Name', 'Volume label.', 1, 80, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FileSystem', 'File System', 'File system (NTFS, FAT32 and so on).', 1, 80, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Size', 'Size', 'Size of the drive.', 1, 80, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FreeSpace', 'Free Space', 'Free space on the drive.', 1, 80, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VolumeSerialNumber', 'Volume Serial Number', 'Volume serial number.', 1, 80, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProviderName', 'Provider Name', 'Network path of a mapped drive.', 1, 80, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Compressed', 'Compressed', 'Whether the drive is compressed.', 1, 80, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MediaType', 'Media Type', 'Kind of media.', 1, 80, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Access', 'Access', 'Whether the drive can be read or written.', 1, 80, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VolumeDirty', 'Volume Dirty', 'Whether the drive needs a disk check.', 1, 80, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumComponentLength', 'Maximum Component Length', 'Longest file name component the file system allows.', 0, 80, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsDiskQuotas', 'Supports Disk Quotas', 'Whether the drive supports disk quotas.', 0, 80, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('QuotasDisabled', 'Quotas Disabled', 'Whether disk quotas are off.', 0, 80, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsFileBasedCompression', 'Supports File Based Compression', 'Whether files can be compressed one by one.', 0, 80, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 80, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 80, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 80, 20, 1);

-- Win32_Volume
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 81, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriveLetter', 'Drive Letter', 'Drive letter of the volume.', 1, 81, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Label', 'Label', 'Volume label.', 1, 81, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FileSystem', 'File System', 'File system.', 1, 81, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Capacity', 'Capacity', 'Size of the volume.', 1, 81, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FreeSpace', 'Free Space', 'Free space on the volume.', 1, 81, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DriveType', 'Drive Type', 'Kind of drive.', 1, 81, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BootVolume', 'Boot Volume', 'Whether the volume holds the boot files.', 0, 81, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemVolume', 'System Volume', 'Whether the volume holds the operating system.', 0, 81, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PageFilePresent', 'Page File Present', 'Whether the volume holds a page file.', 1, 81, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SerialNumber', 'Serial Number', 'Volume serial number.', 1, 81, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BlockSize', 'Block Size', 'Cluster size of the volume.', 1, 81, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DirtyBitSet', 'Dirty Bit Set', 'Whether the volume needs a disk check.', 1, 81, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IndexingEnabled', 'Indexing Enabled', 'Whether the volume is indexed.', 0, 81, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Compressed', 'Compressed', 'Whether the volume is compressed.', 0, 81, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumFileNameLength', 'Maximum File Name Length', 'Longest file name the file system allows.', 0, 81, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 81, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 81, 18, 1);

-- Win32_MappedLogicalDisk
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Drive letter.', 1, 82, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProviderName', 'Provider Name', 'Network path of the drive.', 1, 82, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FileSystem', 'File System', 'File system.', 1, 82, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Size', 'Size', 'Size of the drive.', 1, 82, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FreeSpace', 'Free Space', 'Free space on the drive.', 1, 82, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VolumeName', 'Volume Name', 'Volume label.', 1, 82, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SessionID', 'Session ID', 'Session the drive was mapped in.', 0, 82, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 0, 82, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 82, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 82, 10, 1);

-- Win32_ShadowProvider
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 83, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Type', 'Type', 'Kind of provider.', 1, 83, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the object.', 1, 83, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ID', 'ID', 'Identifier of the provider.', 1, 83, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CLSID', 'CLSID', 'Class identifier of the provider.', 1, 83, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VersionID', 'Version ID', 'Identifier of the version of the provider.', 0, 83, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 83, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 83, 8, 1);

-- Win32_LogicalMemoryConfiguration
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalPhysicalMemory', 'Total Physical Memory', 'Total physical memory.', 1, 85, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalVirtualMemory', 'Total Virtual Memory', 'Total virtual memory.', 1, 85, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AvailableVirtualMemory', 'Available Virtual Memory', 'Virtual memory available.', 1, 85, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TotalPageFileSpace', 'Total Page File Space', 'Total page file space.', 1, 85, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 85, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 85, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 85, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 85, 8, 1);

-- Win32_PageFileUsage
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Path of the page file.', 1, 86, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AllocatedBaseSize', 'Allocated Base Size', 'Size of the page file.', 1, 86, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentUsage', 'Current Usage', 'Space of the page file in use.', 1, 86, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PeakUsage', 'Peak Usage', 'Most space of the page file used.', 1, 86, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TempPageFile', 'Temp Page File', 'Whether the page file is temporary.', 1, 86, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the object was installed.', 0, 86, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 86, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 86, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 86, 9, 1);

-- Win32_PageFileSetting
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Path of the page file.', 1, 87, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InitialSize', 'Initial Size', 'Initial size of the page file.', 1, 87, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumSize', 'Maximum Size', 'Maximum size of the page file.', 1, 87, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 87, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 87, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 87, 6, 1);

-- Win32_NetworkProtocol
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 89, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 1, 89, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 89, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumMessageSize', 'Maximum Message Size', 'Largest message the protocol can carry.', 1, 89, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MinimumAddressSize', 'Minimum Address Size', 'Smallest address of the protocol.', 1, 89, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumAddressSize', 'Maximum Address Size', 'Largest address of the protocol.', 1, 89, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GuaranteesDelivery', 'Guarantees Delivery', 'Whether delivery is guaranteed.', 1, 89, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GuaranteesSequencing', 'Guarantees Sequencing', 'Whether order of delivery is guaranteed.', 1, 89, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConnectionlessService', 'Connectionless Service', 'Whether the protocol is connectionless.', 1, 89, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsBroadcasting', 'Supports Broadcasting', 'Whether broadcasts are supported.', 0, 89, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsMulticasting', 'Supports Multicasting', 'Whether multicasts are supported.', 0, 89, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsEncryption', 'Supports Encryption', 'Whether encryption is supported.', 0, 89, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsQualityofService', 'Supports Quality Of Service', 'Whether quality of service is supported.', 0, 89, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsGuaranteedBandwidth', 'Supports Guaranteed Bandwidth', 'Whether guaranteed bandwidth is supported.', 0, 89, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SupportsFragmentation', 'Supports Fragmentation', 'Whether fragmentation is supported.', 0, 89, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MessageOriented', 'Message Oriented', 'Whether the protocol is message-oriented.', 0, 89, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PseudoStreamOriented', 'Pseudo Stream Oriented', 'Whether the protocol is pseudo-stream-oriented.', 0, 89, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 89, 18, 1);

-- Win32_IP4RouteTable
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Destination', 'Destination', 'Destination network of the route.', 1, 90, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Mask', 'Mask', 'Network mask of the route.', 1, 90, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NextHop', 'Next Hop', 'Address of the next hop.', 1, 90, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InterfaceIndex', 'Interface Index', 'Index of the interface of the route.', 1, 90, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Metric1', 'Metric1', 'Main cost of the route.', 1, 90, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Type', 'Type', 'Kind of route.', 1, 90, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Protocol', 'Protocol', 'How the route was learned.', 1, 90, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Age', 'Age', 'Time since the route was last updated.', 1, 90, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Metric2', 'Metric2', 'Alternate cost of the route.', 0, 90, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Information', 'Information', 'Identifier of the routing protocol.', 0, 90, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 90, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 90, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 90, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 90, 14, 1);

-- Win32_NetworkConnection
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 91, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LocalName', 'Local Name', 'Local name of the connection (drive letter).', 1, 91, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RemoteName', 'Remote Name', 'Network path of the resource.', 1, 91, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RemotePath', 'Remote Path', 'Full path of the resource.', 1, 91, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ResourceType', 'Resource Type', 'Kind of resource.', 1, 91, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConnectionState', 'Connection State', 'State of the connection.', 1, 91, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Persistent', 'Persistent', 'Whether the connection is restored at logon.', 1, 91, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserName', 'User Name', 'User the connection was made for.', 1, 91, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProviderName', 'Provider Name', 'Network provider of the connection.', 0, 91, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DisplayType', 'Display Type', 'How the resource is shown.', 0, 91, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Comment', 'Comment', 'Comment of the provider.', 0, 91, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 91, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 91, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 91, 14, 1);

-- Win32_Share
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the share.', 1, 93, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Path', 'Path', 'Local path of the share.', 1, 93, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Remark of the share.', 1, 93, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Type', 'Type', 'Kind of share.', 1, 93, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AllowMaximum', 'Allow Maximum', 'Whether the number of users is unlimited.', 1, 93, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumAllowed', 'Maximum Allowed', 'Maximum number of users.', 1, 93, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AccessMask', 'Access Mask', 'Access rights of the share.', 1, 93, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 93, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 93, 9, 1);

-- Win32_UserAccount
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Account name.', 1, 95, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FullName', 'Full Name', 'Full name of the user.', 1, 95, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Domain', 'Domain', 'Domain of the account.', 1, 95, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 95, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LocalAccount', 'Local Account', 'Whether the account is local to the computer.', 1, 95, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Disabled', 'Disabled', 'Whether the account is disabled.', 1, 95, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Lockout', 'Lockout', 'Whether the account is locked out.', 1, 95, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PasswordRequired', 'Password Required', 'Whether a password is required.', 1, 95, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PasswordChangeable', 'Password Changeable', 'Whether the password can be changed.', 1, 95, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PasswordExpires', 'Password Expires', 'Whether the password expires.', 1, 95, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AccountType', 'Account Type', 'Kind of account.', 1, 95, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SID', 'SID', 'Security identifier of the account.', 1, 95, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SIDType', 'SID Type', 'Kind of security identifier.', 1, 95, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 95, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 95, 15, 1);

-- Win32_Group
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Group name.', 1, 96, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Domain', 'Domain', 'Domain of the group.', 1, 96, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 96, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LocalAccount', 'Local Account', 'Whether the group is local to the computer.', 1, 96, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SID', 'SID', 'Security identifier of the group.', 1, 96, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SIDType', 'SID Type', 'Kind of security identifier.', 1, 96, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 96, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 96, 8, 1);

-- Win32_LogonSession
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LogonId', 'Logon ID', 'Identifier of the session.', 1, 97, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LogonType', 'Logon Type', 'Kind of logon.', 1, 97, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AuthenticationPackage', 'Authentication Package', 'Authentication package used.', 1, 97, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartTime', 'Start Time', 'Time the session started.', 1, 97, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 97, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 97, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 97, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 97, 8, 1);

-- Win32_NetworkLoginProfile
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Account name.', 1, 98, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FullName', 'Full Name', 'Full name of the user.', 1, 98, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LastLogon', 'Last Logon', 'Time of the last logon.', 1, 98, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfLogons', 'Number Of Logons', 'Number of logons.', 1, 98, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BadPasswordCount', 'Bad Password Count', 'Number of wrong passwords.', 1, 98, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LogonServer', 'Logon Server', 'Server that checked the last logon.', 1, 98, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HomeDirectory', 'Home Directory', 'Home folder of the user.', 1, 98, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScriptPath', 'Script Path', 'Logon script of the user.', 1, 98, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Profile', 'Profile', 'Profile path of the user.', 1, 98, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PasswordAge', 'Password Age', 'Time since the password was changed.', 1, 98, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Privileges', 'Privileges', 'Privilege level of the account.', 1, 98, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumStorage', 'Maximum Storage', 'Disk space the user may use.', 0, 98, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AccountExpires', 'Account Expires', 'Time the account expires.', 0, 98, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserType', 'User Type', 'Kind of account.', 0, 98, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Comment', 'Comment', 'Comment on the account.', 0, 98, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 98, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 98, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 98, 18, 1);

-- Win32_Desktop
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'User the settings belong to.', 1, 100, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Wallpaper', 'Wallpaper', 'Wallpaper file.', 1, 100, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScreenSaverActive', 'Screen Saver Active', 'Whether the screen saver is on.', 1, 100, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScreenSaverExecutable', 'Screen Saver Executable', 'Screen saver program.', 1, 100, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScreenSaverSecure', 'Screen Saver Secure', 'Whether the screen saver asks for the password.', 1, 100, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ScreenSaverTimeout', 'Screen Saver Timeout', 'Idle time before the screen saver starts.', 1, 100, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CursorBlinkRate', 'Cursor Blink Rate', 'Blink rate of the text cursor.', 1, 100, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IconSpacing', 'Icon Spacing', 'Spacing of the desktop icons.', 1, 100, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IconTitleFaceName', 'Icon Title Face Name', 'Font of the icon titles.', 1, 100, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IconTitleSize', 'Icon Title Size', 'Font size of the icon titles.', 1, 100, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IconTitleWrap', 'Icon Title Wrap', 'Whether icon titles wrap.', 0, 100, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DragFullWindows', 'Drag Full Windows', 'Whether windows are drawn while dragged.', 0, 100, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('BorderWidth', 'Border Width', 'Width of window borders.', 0, 100, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GridGranularity', 'Grid Granularity', 'Spacing of the desktop grid.', 0, 100, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CoolSwitch', 'Cool Switch', 'Whether Alt+Tab switching is on.', 0, 100, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Pattern', 'Pattern', 'Desktop pattern.', 0, 100, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WallpaperStretched', 'Wallpaper Stretched', 'Whether the wallpaper is stretched.', 0, 100, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('WallpaperTiled', 'Wallpaper Tiled', 'Whether the wallpaper is tiled.', 0, 100, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 100, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 100, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 100, 21, 1);

-- Win32_StartupCommand
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the startup entry.', 1, 102, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Command', 'Command', 'Command line run at logon.', 1, 102, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Location', 'Location', 'Where the entry is kept (registry key or folder).', 1, 102, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('User', 'User', 'User the entry runs for.', 1, 102, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserSID', 'User SID', 'Security identifier of the user.', 0, 102, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 102, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 102, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 102, 8, 1);

-- Win32_LogicalProgramGroup
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 103, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GroupName', 'Group Name', 'Name of the program group.', 1, 103, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UserName', 'User Name', 'User the group belongs to.', 1, 103, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the object was installed.', 0, 103, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 103, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 103, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 103, 7, 1);

-- Win32_Registry
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 105, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CurrentSize', 'Current Size', 'Current size of the registry.', 1, 105, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaximumSize', 'Maximum Size', 'Maximum size of the registry.', 1, 105, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProposedSize', 'Proposed Size', 'Proposed maximum size of the registry.', 1, 105, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the object was installed.', 0, 105, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 105, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 105, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 105, 8, 1);

-- Win32_ScheduledJob
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('JobId', 'Job ID', 'Identifier of the job.', 1, 107, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Command', 'Command', 'Command the job runs.', 1, 107, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StartTime', 'Start Time', 'Time the job runs.', 1, 107, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaysOfWeek', 'Days Of Week', 'Days of the week the job runs.', 1, 107, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DaysOfMonth', 'Days Of Month', 'Days of the month the job runs.', 1, 107, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RunRepeatedly', 'Run Repeatedly', 'Whether the job runs repeatedly.', 1, 107, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('JobStatus', 'Job Status', 'Status of the last run.', 1, 107, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Owner', 'Owner', 'User who created the job.', 1, 107, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InteractWithDesktop', 'Interact With Desktop', 'Whether the job can interact with the desktop.', 0, 107, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Priority', 'Priority', 'Priority of the job.', 0, 107, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ElapsedTime', 'Elapsed Time', 'Running time of the job.', 0, 107, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('TimeSubmitted', 'Time Submitted', 'Time the job was created.', 0, 107, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('UntilTime', 'Until Time', 'Time the job stops.', 0, 107, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Notify', 'Notify', 'User notified when the job ends.', 0, 107, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 0, 107, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 107, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 107, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 107, 18, 1);

-- Win32_NTEventlogFile
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LogfileName', 'Logfile Name', 'Name of the event log.', 1, 109, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Path of the log file.', 1, 109, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FileSize', 'File Size', 'Current size of the log file.', 1, 109, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('MaxFileSize', 'Max File Size', 'Maximum size of the log file.', 1, 109, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('NumberOfRecords', 'Number Of Records', 'Number of events in the log.', 1, 109, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OverWritePolicy', 'Over Write Policy', 'When old events are overwritten.', 1, 109, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OverwriteOutDated', 'Overwrite Out Dated', 'Age in days after which events are overwritten.', 1, 109, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LastModified', 'Last Modified', 'Time the log file was last changed.', 0, 109, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 109, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 109, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 109, 11, 1);

-- Win32_DCOMApplication
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 111, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AppID', 'App ID', 'Application identifier.', 1, 111, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the object was installed.', 0, 111, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 111, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 111, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 111, 6, 1);

-- Win32_ComponentCategory
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 112, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CategoryId', 'Category ID', 'Identifier of the category.', 1, 112, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 112, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 112, 4, 1);

-- Win32_CodecFile
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Path of the codec file.', 1, 114, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 114, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Group', 'Group', 'Kind of codec (audio, video).', 1, 114, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 114, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the object.', 1, 114, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FileSize', 'File Size', 'Size of the codec file.', 1, 114, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the object was installed.', 1, 114, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('FileType', 'File Type', 'Kind of file.', 0, 114, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CreationDate', 'Creation Date', 'Time the file was created.', 0, 114, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LastModified', 'Last Modified', 'Time the file was last changed.', 0, 114, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 114, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 0, 114, 12, 1);

-- Win32_Product
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the product.', 1, 117, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the product.', 1, 117, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Vendor', 'Vendor', 'Vendor of the product.', 1, 117, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date the product was installed.', 1, 117, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallLocation', 'Install Location', 'Folder the product is installed in.', 1, 117, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallState', 'Install State', 'Installation state of the product.', 1, 117, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IdentifyingNumber', 'Identifying Number', 'Product code of the product.', 1, 117, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('AssignmentType', 'Assignment Type', 'Whether the product is installed for one user or the computer.', 1, 117, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallSource', 'Install Source', 'Folder the product was installed from.', 0, 117, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PackageName', 'Package Name', 'Name of the installer package.', 0, 117, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LocalPackage', 'Local Package', 'Local copy of the installer package.', 0, 117, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Language', 'Language', 'Language of the product.', 0, 117, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RegOwner', 'Reg Owner', 'Registered owner of the product.', 0, 117, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RegCompany', 'Reg Company', 'Registered company of the product.', 0, 117, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProductID', 'Product ID', 'Product identifier.', 0, 117, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HelpLink', 'Help Link', 'Web address for help on the product.', 0, 117, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('URLInfoAbout', 'URL Info About', 'Web address with information on the product.', 0, 117, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 117, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 117, 19, 1);

-- Cust_ProblemDevices
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the object.', 1, 118, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Manufacturer', 'Manufacturer', 'Name of the manufacturer.', 1, 118, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 1, 118, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 1, 118, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerErrorCode', 'Config Manager Error Code', 'Configuration Manager error code of the device.', 1, 118, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('DeviceID', 'Device ID', 'Identifier of the device on the system.', 1, 118, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPDeviceID', 'PNP Device ID', 'Plug and Play identifier of the device.', 1, 118, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PNPClass', 'PNP Class', 'Class of the device.', 1, 118, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ClassGuid', 'Class GUID', 'Class identifier of the device.', 1, 118, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Service', 'Service', 'Driver service of the device.', 1, 118, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Status', 'Status', 'Current status of the object (OK, Degraded, Error and so on).', 1, 118, 11, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Present', 'Present', 'Whether the device is present.', 0, 118, 12, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ConfigManagerUserConfig', 'Config Manager User Config', 'Whether the device uses a user-defined configuration.', 0, 118, 13, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('HardwareID', 'Hardware ID', 'Hardware identifiers of the device.', 0, 118, 14, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('CompatibleID', 'Compatible ID', 'Compatible identifiers of the device.', 0, 118, 15, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Availability', 'Availability', 'Availability and status of the device.', 0, 118, 16, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('StatusInfo', 'Status Info', 'State of the logical device.', 0, 118, 17, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ErrorDescription', 'Error Description', 'Details of the last error of the device.', 0, 118, 18, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LastErrorCode', 'Last Error Code', 'Last error code reported by the device.', 0, 118, 19, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('InstallDate', 'Install Date', 'Date and time the object was installed.', 0, 118, 20, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PowerManagementSupported', 'Power Management Supported', 'Whether the device can be power-managed.', 0, 118, 21, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SystemName', 'System Name', 'Name of the computer that holds the object.', 0, 118, 22, 1);

-- SC_AntiVirusProduct
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('displayName', 'Display Name', 'Name of the product.', 1, 120, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('productState', 'Product State', 'State of the product as Security Center reports it.', 1, 120, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('pathToSignedProductExe', 'Path To Signed Product Exe', 'Program file of the product.', 1, 120, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('pathToSignedReportingExe', 'Path To Signed Reporting Exe', 'Program that reports the product''s state.', 1, 120, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('timestamp', 'Timestamp', 'Time the state was last reported.', 1, 120, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('instanceGuid', 'Instance GUID', 'Identifier of the product.', 1, 120, 6, 1);

-- SC_AntiSpywareProduct
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('displayName', 'Display Name', 'Name of the product.', 1, 121, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('productState', 'Product State', 'State of the product as Security Center reports it.', 1, 121, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('pathToSignedProductExe', 'Path To Signed Product Exe', 'Program file of the product.', 1, 121, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('pathToSignedReportingExe', 'Path To Signed Reporting Exe', 'Program that reports the product''s state.', 1, 121, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('timestamp', 'Timestamp', 'Time the state was last reported.', 1, 121, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('instanceGuid', 'Instance GUID', 'Identifier of the product.', 1, 121, 6, 1);

-- SC_FirewallProduct
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('displayName', 'Display Name', 'Name of the product.', 1, 122, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('productState', 'Product State', 'State of the product as Security Center reports it.', 1, 122, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('pathToSignedProductExe', 'Path To Signed Product Exe', 'Program file of the product.', 1, 122, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('pathToSignedReportingExe', 'Path To Signed Reporting Exe', 'Program that reports the product''s state.', 1, 122, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('timestamp', 'Timestamp', 'Time the state was last reported.', 1, 122, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('instanceGuid', 'Instance GUID', 'Identifier of the product.', 1, 122, 6, 1);

-- Lic_SoftwareLicensingProduct
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Name', 'Name', 'Name of the licensed product.', 1, 124, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Licence channel (retail, volume, OEM).', 1, 124, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LicenseStatus', 'License Status', 'Licence state of the product.', 1, 124, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PartialProductKey', 'Partial Product Key', 'Last five characters of the product key.', 1, 124, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('LicenseFamily', 'License Family', 'Edition the licence belongs to.', 1, 124, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProductKeyID', 'Product Key ID', 'Product key identifier.', 1, 124, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('GracePeriodRemaining', 'Grace Period Remaining', 'Minutes left in the grace period.', 1, 124, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('EvaluationEndDate', 'Evaluation End Date', 'End of the evaluation period.', 1, 124, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ApplicationID', 'Application ID', 'Identifier of the licensed application.', 0, 124, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ID', 'ID', 'Identifier of the licence.', 0, 124, 10, 1);

-- Lic_SoftwareLicensingService
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Version', 'Version', 'Version of the licensing service.', 1, 125, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ClientMachineID', 'Client Machine ID', 'Identifier of the computer for key management.', 1, 125, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IsKeyManagementServiceMachine', 'Is Key Management Service Machine', 'Whether the computer is a key management server.', 1, 125, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KeyManagementServiceMachine', 'Key Management Service Machine', 'Key management server the computer uses.', 1, 125, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KeyManagementServicePort', 'Key Management Service Port', 'Port of the key management server.', 1, 125, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('KeyManagementServiceCurrentCount', 'Key Management Service Current Count', 'Number of clients counted by the key management server.', 1, 125, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RemainingWindowsReArmCount', 'Remaining Windows Re Arm Count', 'Number of times the licence can still be re-armed.', 1, 125, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('OA3xOriginalProductKey', 'OA3x Original Product Key', 'Product key stored in the firmware.', 1, 125, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VLActivationInterval', 'VL Activation Interval', 'Minutes between volume activation attempts.', 0, 125, 9, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('VLRenewalInterval', 'VL Renewal Interval', 'Minutes between volume activation renewals.', 0, 125, 10, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('PolicyCacheRefreshRequired', 'Policy Cache Refresh Required', 'Whether the licence policy cache must be refreshed.', 0, 125, 11, 1);

-- Lic_Win32_WindowsProductActivation
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ActivationRequired', 'Activation Required', 'Whether activation is still required.', 1, 126, 1, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RemainingEvaluationPeriod', 'Remaining Evaluation Period', 'Days left in the evaluation period.', 1, 126, 2, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('RemainingGracePeriod', 'Remaining Grace Period', 'Days left to activate.', 1, 126, 3, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('IsNotificationOn', 'Is Notification On', 'Whether activation reminders are shown.', 1, 126, 4, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ProductID', 'Product ID', 'Product identifier of Windows.', 1, 126, 5, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('ServerName', 'Server Name', 'Computer the activation applies to.', 1, 126, 6, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Caption', 'Caption', 'Short description of the object.', 0, 126, 7, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('Description', 'Description', 'Description of the object.', 0, 126, 8, 1);
INSERT INTO PROPS_TBL (PROP_NAME, PROP_DISP_NAME, PROP_DESC, ACTIVE, FEATURE_ID, LIST_ORDER, DISPLAY) VALUES ('SettingID', 'Setting ID', 'Identifier of the setting.', 0, 126, 9, 1);
COMMIT;
