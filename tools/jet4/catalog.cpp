#include "catalog.h"

#include "database.h"
#include "properties.h"

namespace jet4 {
namespace {

// Object ids of the catalog's fixed rows.
constexpr std::uint32_t kRootId = 0x0F000000;
constexpr std::uint32_t kTablesId = 0x0F000001;
constexpr std::uint32_t kDatabasesId = 0x0F000002;
constexpr std::uint32_t kRelationshipsId = 0x0F000003;
constexpr std::uint32_t kDatabaseObjectId = 0x10000000; // MSysDb
constexpr std::uint32_t kFirstAccessContainerId = 0x80000000;

// MSysObjects.Type
constexpr std::int64_t kTypeTable = 1;
constexpr std::int64_t kTypeDatabase = 2;
constexpr std::int64_t kTypeContainer = 3;

// MSysObjects.Flags: this bit hides system objects from every reader's table list.
constexpr std::uint32_t kSystemObject = 0x80000000;

// Built-in security ids of Jet workgroups (the same in every workgroup file).
const Bytes kEngineSid{0xA7, 0x31};
const Bytes kAdminSid{0xA6, 0x33};
const Bytes kCreatorSid{0xA7, 0x33};
const Bytes kUsersSid{0xA7, 0x36};

// Permission masks (MSysACEs.ACM) as Access's empty database grants them.
constexpr std::int64_t kFullAccess = 1048575;
constexpr std::int64_t kTableContainerAccess = 1048319;
constexpr std::int64_t kUsersTableAccess = 983294;

Column column(const char* name, ColumnType type)
{
    return Column{name, type, false};
}

Table systemTable(const char* name, std::vector<Column> columns)
{
    return Table{name, true, std::move(columns), {}};
}

std::int64_t signedId(std::uint32_t id)
{
    return static_cast<std::int32_t>(id);
}

Row catalogRow(std::uint32_t id, std::uint32_t parent, const std::string& name, std::int64_t type, std::uint32_t flags,
               const Bytes& owner, Value properties = {})
{
    return Row{signedId(id),
               signedId(parent),
               fromUtf8(name),
               type,
               kFixedDate,
               kFixedDate,
               owner,
               signedId(flags),
               {},
               {},
               {},
               {},
               {},
               {},
               std::move(properties),
               {},
               {}};
}

Row ace(std::uint32_t objectId, const Bytes& sid, std::int64_t access, bool inheritable)
{
    return Row{signedId(objectId), sid, access, inheritable};
}

} // namespace

std::vector<Table> systemTables()
{
    using T = ColumnType;
    return {
        systemTable("MSysObjects",
                    {column("Id", T::Long), column("ParentId", T::Long), column("Name", T::Text),
                     column("Type", T::Integer), column("DateCreate", T::DateTime), column("DateUpdate", T::DateTime),
                     column("Owner", T::Binary), column("Flags", T::Long), column("Database", T::Memo),
                     column("Connect", T::Memo), column("ForeignName", T::Text), column("RmtInfoShort", T::Binary),
                     column("RmtInfoLong", T::Ole), column("Lv", T::Ole), column("LvProp", T::Ole),
                     column("LvModule", T::Ole), column("LvExtra", T::Ole)}),
        systemTable("MSysACEs", {column("ObjectId", T::Long), column("SID", T::Binary), column("ACM", T::Long),
                                 column("FInheritable", T::Boolean)}),
        systemTable("MSysQueries",
                    {column("ObjectId", T::Long), column("Attribute", T::Byte), column("Order", T::Binary),
                     column("Name1", T::Text), column("Name2", T::Text), column("Expression", T::Memo),
                     column("Flag", T::Integer), column("LvExtra", T::Long)}),
        systemTable("MSysRelationships",
                    {column("szRelationship", T::Text), column("grbit", T::Long), column("ccolumn", T::Long),
                     column("icolumn", T::Long), column("szObject", T::Text), column("szColumn", T::Text),
                     column("szReferencedObject", T::Text), column("szReferencedColumn", T::Text)}),
    };
}

void fillCatalog(std::vector<Table>& tables, const std::vector<std::uint32_t>& definitionPage)
{
    auto& objects = tables[0].rows;
    auto& aces = tables[1].rows;
    objects.clear();
    aces.clear();

    objects.push_back(catalogRow(kTablesId, kRootId, "Tables", kTypeContainer, kSystemObject, kEngineSid));
    objects.push_back(catalogRow(kDatabasesId, kRootId, "Databases", kTypeContainer, kSystemObject, kEngineSid));
    objects.push_back(
        catalogRow(kRelationshipsId, kRootId, "Relationships", kTypeContainer, kSystemObject, kEngineSid));
    objects.push_back(catalogRow(kDatabaseObjectId, kDatabasesId, "MSysDb", kTypeDatabase, kSystemObject, kAdminSid,
                                 LongValue{textPropertyBlock({{"AccessVersion", "08.50"}})}));

    const char* accessContainers[] = {"DataAccessPages", "Forms", "Modules", "Reports", "Scripts", "SysRel"};
    std::uint32_t containerId = kFirstAccessContainerId;
    for (const char* name : accessContainers) {
        objects.push_back(catalogRow(containerId, kRootId, name, kTypeContainer, 0, kAdminSid));
        for (const Bytes& sid : {kCreatorSid, kAdminSid, kUsersSid})
            aces.push_back(ace(containerId, sid, kFullAccess, true));
        ++containerId;
    }

    aces.push_back(ace(kTablesId, kUsersSid, kUsersTableAccess, true));
    aces.push_back(ace(kTablesId, kAdminSid, kTableContainerAccess, true));
    aces.push_back(ace(kTablesId, kCreatorSid, kTableContainerAccess, true));
    aces.push_back(ace(kDatabasesId, kAdminSid, 393216, false));
    aces.push_back(ace(kRelationshipsId, kUsersSid, kUsersTableAccess, true));
    aces.push_back(ace(kRelationshipsId, kAdminSid, 393217, false));
    aces.push_back(ace(kRelationshipsId, kCreatorSid, kFullAccess, true));
    aces.push_back(ace(kDatabaseObjectId, kAdminSid, 393230, false));
    aces.push_back(ace(kDatabaseObjectId, kCreatorSid, 14, false));

    for (std::size_t i = 0; i < tables.size(); ++i) {
        const bool system = tables[i].system;
        objects.push_back(catalogRow(definitionPage[i], kTablesId, tables[i].name, kTypeTable,
                                     system ? kSystemObject : 0, system ? kEngineSid : kAdminSid));
        if (!system) {
            // What a new table inherits from the Tables container.
            aces.push_back(ace(definitionPage[i], kUsersSid, kUsersTableAccess, false));
            aces.push_back(ace(definitionPage[i], kAdminSid, kTableContainerAccess, false));
        }
    }
}

} // namespace jet4
